// The chooser's recent-folders combo box: an edit field over a list kept in alphabetical
// order, letter case ignored. Typed text is never added to the list, and only picking an entry
// (QComboBox::activated) or a key-down reaches the chooser.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <string>

#include "core/views/ChooserView.h"

namespace tavelin::gui {

class SortedComboBox : public QComboBox, public core::ComboBox {
  Q_OBJECT

 public:
  explicit SortedComboBox(QWidget* parent = nullptr);

  int ListCount() const override { return count(); }
  std::u16string List(int index) const override;
  void AddItem(const std::u16string& item) override;
  // Removing the selected entry leaves no entry selected and the edit field as it was.
  void RemoveItem(int index) override;
  void Clear() override;
  int ListIndex() const override { return currentIndex(); }
  void SetListIndex(int index) override { setCurrentIndex(index); }
  std::u16string Text() const override;

 signals:
  void keyDown(std::int16_t keyCode);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tavelin::gui
