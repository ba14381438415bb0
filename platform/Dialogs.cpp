#include "platform/Dialogs.h"

namespace {
TDialogHandler FPresenter;
TDialogHandler FResponder;
std::vector<TDialogRequest> FLog;
} // namespace

int DefaultAnswer(TMsgDlgButtons Buttons) {
    if (Buttons & mbOK) return mrOk;
    if (Buttons & mbYes) return mrYes;
    if (Buttons & mbNo) return mrNo;
    if (Buttons & mbCancel) return mrCancel;
    return mrOk;
}

int MessageDlg(const std::string& Text, TMsgDlgType Type, TMsgDlgButtons Buttons,
               int HelpContext) {
    TDialogRequest Request{Text, Type, Buttons, HelpContext};
    FLog.push_back(Request);
    if (FResponder) return FResponder(Request);
    if (FPresenter) return FPresenter(Request);
    return DefaultAnswer(Buttons);
}

void SetDialogPresenter(TDialogHandler Presenter) { FPresenter = std::move(Presenter); }
void SetDialogResponder(TDialogHandler Responder) { FResponder = std::move(Responder); }
const std::vector<TDialogRequest>& DialogLog() { return FLog; }
void ClearDialogLog() { FLog.clear(); }
