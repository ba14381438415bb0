// The revision wizard's page: the keys to revise (the difficult keys, the
// keys currently studied, or keys the learner types) on the left page with a
// graph of the most difficult keys, the method of revision with its preview
// on the right page.
#pragma once

#include "shell/TFormView.h"
#include "users/ui/TGraph.h"

#include <QMetaObject>
#include <QPointer>

#include <vector>

class TBuilderView : public TFormView {
public:
    // Result codes.
    enum { brNext = 1, brBack = 2 };

    TBuilderView();
    ~TBuilderView() override;

    void Activate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;
    void ButtonClick(QObject* Sender);

    // The chosen key choice and method (see revision/RevisionRules.h).
    int KeyChoice() const;
    int Method() const;

    TGraph* Graph() const { return FGraph; }

private:
    QPointer<TGraph> FGraph;
    std::vector<QMetaObject::Connection> FConnections;
};
