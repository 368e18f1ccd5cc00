#pragma once

#include <QFrame>
#include <QToolButton>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/treeview/TreeWindowDesign.h"
#include "core/views/TreeWindowView.h"
#include "gui/common/HostedWidget.h"
#include "gui/treeview/FileListBox.h"
#include "gui/treeview/ImageSurface.h"

namespace tavelin::gui {

// The tree window FKvel as the user sees it: the drawing, the button strip PBts with its five
// buttons Bt, and the pool of file lists Lst. Its events go to the TreeWindowEvents it is made
// with; what they throw is reported at the event that raised it.
class TreeWindow : public HostedWidget {
  Q_OBJECT

 public:
  static constexpr int kButtonCount = static_cast<int>(core::FKvelDesign::kButtons.size());

  explicit TreeWindow(core::TreeWindowEvents& events);
  ~TreeWindow() override;

  ImageSurface& Surface() { return *surface_; }
  // Throws std::out_of_range for an index outside 0 to 50.
  FileListBox& Lst(int index) { return *lists_.at(static_cast<std::size_t>(index)); }
  QFrame& PBts() { return *strip_; }
  // Throws std::out_of_range for an index outside 0 to 4.
  QToolButton& Bt(int index) { return *buttons_.at(static_cast<std::size_t>(index)); }

  // Shows the window raised and active; with `centre` it is first centred on its screen.
  void Show(bool centre);
  void Activate() { activateWindow(); }
  void SetCaption(const std::u16string& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateStrip();
  void CreateLists();
  int ListOfViewport(const QObject* viewport) const;

  core::TreeWindowEvents& events_;
  std::unique_ptr<ImageSurface> surface_;
  QFrame* strip_ = nullptr;
  std::array<QToolButton*, kButtonCount> buttons_{};
  std::vector<std::unique_ptr<FileListBox>> lists_;
};

}  // namespace tavelin::gui
