#pragma once

#include "app/pages/ControlWalkers.h"
#include "app/pages/DesignedControls.h"

#include <QWidget>

class TMemIniFile;

// Base of every settings page. The controller chain calls the five operations without knowing
// the page; their base bodies run the control walkers over the page's designed controls (see
// DesignedControls.h for how a page declares them). A page overrides an operation to add its own
// steps, usually calling the base operation first.
class TformIncl : public QWidget {
    Q_OBJECT
public:
    // The page's object name (set by the page) is its INI section.
    explicit TformIncl(QWidget* owner = nullptr);

    // Before a read: empty the page and remove its change marks.
    virtual void Clear();
    // Before a write: remove the change marks (mask edits keep theirs).
    virtual void ResetMarks();
    virtual void LoadFromIni(const TMemIniFile& ini);
    virtual void SaveToIni(TMemIniFile& ini);
    virtual void SetDefaults();

    TDesignedControls& Controls() { return controls_; }
    const TDesignedControls& Controls() const { return controls_; }

    // A designed control by name, ignoring ASCII letter case; nullptr when there is none or it is
    // not a W.
    template <class W = QWidget> W* FindControl(const QString& name) const {
        return controls_.FindWidget<W>(name);
    }

protected:
    // A caption label at (x, y), sized to its text and named "Label" + its number in design order.
    QLabel* AddLabel(QWidget* parent, const QString& caption, int x, int y);

private:
    TDesignedControls controls_{this};
    int labels_ = 0;
};
