#include "gui/folderchoice/SortedComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <ranges>

#include "gui/common/TextConversion.h"
#include "gui/folderchoice/KeyCodes.h"

namespace tavelin::gui {

namespace {

// Holds the edit field's text, cursor and selection across a change of the list, which
// QComboBox would otherwise replace by the text of whatever entry it makes current.
class KeepEditField {
 public:
  explicit KeepEditField(QLineEdit& edit)
      : edit_(edit),
        text_(edit.text()),
        cursor_(edit.cursorPosition()),
        selectionStart_(edit.selectionStart()),
        selectionLength_(edit.selectionLength()) {}
  ~KeepEditField() {
    edit_.setText(text_);
    if (selectionStart_ >= 0) {
      edit_.setSelection(selectionStart_, selectionLength_);
    } else {
      edit_.setCursorPosition(cursor_);
    }
  }
  KeepEditField(const KeepEditField&) = delete;
  KeepEditField& operator=(const KeepEditField&) = delete;

 private:
  QLineEdit& edit_;
  QString text_;
  int cursor_;
  int selectionStart_;
  int selectionLength_;
};

}  // namespace

SortedComboBox::SortedComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Typed text completes nothing and picks nothing, even when it matches an entry: QComboBox
  // would pick the matching entry when the edit field loses the focus or gets Enter.
  setCompleter(nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  // Edited text is no longer the picked entry, so nothing stays selected for Delete to remove.
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
    if (currentIndex() == -1) return;
    KeepEditField keep(*lineEdit());
    setCurrentIndex(-1);
  });
}

std::u16string SortedComboBox::List(int index) const {
  return ToU16String(itemText(index));
}

void SortedComboBox::AddItem(const std::u16string& item) {
  const QString text = ToQString(item);
  // The items are in order, so their place is found by halving: a search item by item made a
  // recents file of 100,000 lines take minutes to load.
  const auto places = std::views::iota(0, count());
  const int place = static_cast<int>(
      std::ranges::partition_point(
          places,
          [&](int i) { return QString::compare(itemText(i), text, Qt::CaseInsensitive) <= 0; }) -
      places.begin());
  const int current = currentIndex();
  KeepEditField keep(*lineEdit());
  insertItem(place, text);
  // The first item of an empty list would otherwise become the selection.
  if (current == -1) setCurrentIndex(-1);
}

void SortedComboBox::RemoveItem(int index) {
  const bool wasSelected = index == currentIndex();
  KeepEditField keep(*lineEdit());
  removeItem(index);
  if (wasSelected) setCurrentIndex(-1);
}

void SortedComboBox::Clear() {
  clear();
}

std::u16string SortedComboBox::Text() const {
  return ToU16String(currentText());
}

void SortedComboBox::keyPressEvent(QKeyEvent* event) {
  emit keyDown(KeyCodeOf(*event));
  QComboBox::keyPressEvent(event);
}

}  // namespace tavelin::gui
