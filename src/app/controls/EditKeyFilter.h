#pragma once

#include "app/controls/InputController.h"

#include <QObject>
#include <functional>

class QKeyEvent;
class QInputMethodEvent;
class QLineEdit;

// Makes Filter the edit's key-press filter, replacing the one set before; nullptr removes it.
// Every character that reaches the edit from the keyboard or from an input method passes it.
void SetKeyPressFilter(QLineEdit* Edit, TKeyPressFilter Filter);

// Runs Handler whenever a key goes down in the edit, before its key-press filter sees the key,
// so that a page can choose the filter by its state at that moment.
void SetKeyDownHandler(QLineEdit* Edit, std::function<void()> Handler);

// The event filter behind the two calls above; one per edit, owned by the edit.
class TEditKeyFilter : public QObject {
    Q_OBJECT

public:
    static TEditKeyFilter* Of(QLineEdit* edit);

    TKeyPressFilter Filter = nullptr;
    std::function<void()> KeyDown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TEditKeyFilter(QLineEdit* edit);

    bool FilterKey(QKeyEvent* event);
    void FilterCommit(QInputMethodEvent* event);
    QString Kept(const QString& typed) const;

    QLineEdit* edit_;
};
