// The chooser's recent-folders list: a COMBOBOX with an edit field (CBS_DROPDOWN) whose list
// the control keeps sorted (CBS_SORT), seen as the core's combo box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/views/ChooserView.h"

namespace tavelin::win32 {

class RecentsComboBox : public core::ComboBox {
 public:
  // The control, once created.
  void Attach(HWND combo) { combo_ = combo; }
  HWND Handle() const { return combo_; }
  // The edit field inside the control, where the keys are typed.
  HWND Edit() const;

  int ListCount() const override;
  std::u16string List(int index) const override;
  void AddItem(const std::u16string& item) override;
  void RemoveItem(int index) override;
  void Clear() override;
  int ListIndex() const override;
  void SetListIndex(int index) override;
  std::u16string Text() const override;

  // Runs `handler` for an entry just picked (CBN_SELCHANGE). The control fills its edit field
  // with the picked entry only after the notification, so Text() gives that entry meanwhile.
  void Picked(const std::function<void()>& handler);

 private:
  HWND combo_ = nullptr;
  bool picking_ = false;
};

}  // namespace tavelin::win32
