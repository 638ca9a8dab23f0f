// The window of a message box: the text and one OK button, sized to the
// text, centred on the screen, above every other window. Return, Escape
// and Space on the button, or a click on it, close it with mrOk.
#pragma once

#include <string>

#include "toolkit/controls/TButton.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

class TMessageForm : public TCustomForm {
 public:
  TMessageForm(TComponent* owner, std::u16string text);

  const std::u16string& Text() const { return text_; }
  TButton& OkButton() { return *okButton_; }

 protected:
  void CreateComponents() override;
  void Paint() override;

 private:
  RECT TextRect() const;

  std::u16string text_;
  SIZE textSize_{};
  TButton* okButton_ = nullptr;
};

}  // namespace qb
