// The chooser's directory list: the current folder under the folders above it, and the folders
// directly inside it below, each indented by its depth.
#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>

#include "core/folderchoice/DirListModel.h"
#include "core/views/ChooserView.h"
#include "platform/Platform.h"

namespace tavelin::gui {

class DirListWidget : public QListWidget, public core::DirectoryList {
  Q_OBJECT

 public:
  // Item data: the entry's full path, and its depth below the root.
  static constexpr int kPathRole = Qt::UserRole;
  static constexpr int kDepthRole = Qt::UserRole + 1;

  explicit DirListWidget(const platform::FileSystem& fileSystem, QWidget* parent = nullptr);

  std::u16string Path() const override { return model_.Path(); }
  bool SetPath(const std::u16string& path) override;
  void SetFocus() override;

 signals:
  // The current folder changed, by a double click or by SetPath.
  void changed();
  void keyDown(std::int16_t keyCode);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill();

  core::DirListModel model_;
};

}  // namespace tavelin::gui
