#include "platform/Dialogs.h"

namespace {
TDialogHandler FPresenter;
TDialogHandler FResponder;
std::function<void(int)> FHelpHandler;
std::vector<TDialogRequest> FLog;
} // namespace

int DefaultAnswer(TMsgDlgButtons Buttons) {
    if (Buttons & mbOK) return mrOk;
    if (Buttons & mbYes) return mrYes;
    if (Buttons & mbNo) return mrNo;
    if (Buttons & mbCancel) return mrCancel;
    return mrOk;
}

int MessageDlg(const std::string& Text, TMsgDlgType Type, TMsgDlgButtons Buttons, int HelpContext) {
    TDialogRequest Request{Text, Type, Buttons, HelpContext};
    for (;;) {
        FLog.push_back(Request);
        int Answer = DefaultAnswer(Buttons);
        if (FResponder)
            Answer = FResponder(Request);
        else if (FPresenter)
            Answer = FPresenter(Request);
        if (Answer != mrHelp || !(Buttons & mbHelp)) return Answer;
        if (FHelpHandler) FHelpHandler(HelpContext);
    }
}

void SetHelpHandler(std::function<void(int)> Handler) {
    FHelpHandler = std::move(Handler);
}

void SetDialogPresenter(TDialogHandler Presenter) {
    FPresenter = std::move(Presenter);
}
void SetDialogResponder(TDialogHandler Responder) {
    FResponder = std::move(Responder);
}

const std::function<void(int)>& InstalledHelpHandler() {
    return FHelpHandler;
}

const TDialogHandler& InstalledDialogPresenter() {
    return FPresenter;
}

const TDialogHandler& InstalledDialogResponder() {
    return FResponder;
}
const std::vector<TDialogRequest>& DialogLog() {
    return FLog;
}
void ClearDialogLog() {
    FLog.clear();
}
