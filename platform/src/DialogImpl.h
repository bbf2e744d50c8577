#pragma once

#include <QEventLoop>
#include <QPointer>

#include "WndImpl.h"

namespace tamo::platform {

struct DialogTemplate;

// A dialog window: a Qt dialog (or a child area for WS_CHILD dialogs) with Windows' keyboard handling.
class DialogImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Sends the command of a dialog key: Enter (the default button) or Escape (IDCANCEL).
    void PressKey(bool enter);

    QPointer<QEventLoop> loop;  // while a real modal loop runs
    QSize baseUnits{6, 13};
};

// The font of a template (its face mapped to an installed one).
QFont TemplateFont(const DialogTemplate& dialogTemplate);

// Makes the controls of a template in the dialog, with the template's font and dialog units.
void BuildDialogControls(CWnd* dialog, const DialogTemplate& dialogTemplate);

}  // namespace tamo::platform
