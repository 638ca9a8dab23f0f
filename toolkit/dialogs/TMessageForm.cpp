#include "toolkit/dialogs/TMessageForm.h"

#include <algorithm>

#include "platform/gdi/text/Text.h"
#include "platform/gdi/window/WindowDc.h"
#include "toolkit/app/TApplication.h"

namespace qb {

namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMinimumClientWidth = 180;

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, std::u16string text) : TCustomForm(owner), text_(std::move(text)) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(TBorderIcons{biSystemMenu});
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  if (TApplication* application = Application()) SetCaption(application->Title());
  HDC screen = GetDC(nullptr);
  TCanvas measure;
  measure.SetHandle(screen);
  measure.Font().Assign(&Font());
  RECT box{0, 0, 0, 0};
  measure.DrawText(box, text_, DT_CALCRECT | DT_NOPREFIX);
  measure.SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
  textSize_ = SIZE{box.right - box.left, box.bottom - box.top};
}

void TMessageForm::CreateComponents() {
  okButton_ = Make<TButton>(u"OKButton", this);
  okButton_->SetCaption(u"OK");
  okButton_->SetDefault(true);
  okButton_->SetCancel(true);
  okButton_->SetModalResult(mrOk);
  const int clientWidth = std::max(kMinimumClientWidth, textSize_.cx + 2 * kMargin);
  const int clientHeight = kMargin + textSize_.cy + kMargin + kButtonHeight + kMargin / 2;
  okButton_->SetBounds((clientWidth - kButtonWidth) / 2, clientHeight - kMargin / 2 - kButtonHeight, kButtonWidth,
                       kButtonHeight);
  SetClientWidth(clientWidth);
  SetClientHeight(clientHeight);
  SetActiveControl(okButton_);
}

RECT TMessageForm::TextRect() const {
  return RECT{kMargin, kMargin, kMargin + textSize_.cx, kMargin + textSize_.cy};
}

void TMessageForm::Paint() {
  RECT area = TextRect();
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(area, text_, DT_NOPREFIX);
}

}  // namespace qb
