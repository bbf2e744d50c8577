#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTextBlock>

#include "CEdit.h"
#include "Controls.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace tamo::platform {

namespace {

// Windows multi-line edits use CR LF; Qt uses LF.
QString ToEditText(const CString& text) {
    QString value = ToQ(text);
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    value.replace(u'\r', u'\n');
    return value;
}

CString FromEditText(const QString& text) {
    QString value = text;
    value.replace(u'\n', QStringLiteral("\r\n"));
    return FromQ(value);
}

// Runs a clipboard action on the edit's widget, single- or multi-line; nothing without a window.
template <class Action>
void OnEditWidget(CEdit* wnd, Action action) {
    EditImpl* edit = ImplAs<EditImpl>(wnd);
    if (edit && edit->line)
        action(edit->line);
    else if (edit && edit->multi)
        action(edit->multi);
}

}  // namespace

void EditImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    const DWORD editStyle = static_cast<DWORD>(cs.style);
    const bool border = (editStyle & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE);
    if (editStyle & ES_MULTILINE) {
        multi = new QPlainTextEdit(parentArea);
        multi->setLineWrapMode((editStyle & (WS_HSCROLL | ES_AUTOHSCROLL)) ? QPlainTextEdit::NoWrap
                                                                           : QPlainTextEdit::WidgetWidth);
        multi->setVerticalScrollBarPolicy((editStyle & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        multi->setHorizontalScrollBarPolicy((editStyle & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        multi->setReadOnly(editStyle & ES_READONLY);
        multi->setTabChangesFocus(true);
        if (!border) multi->setFrameShape(QFrame::NoFrame);
        QObject::connect(multi, &QPlainTextEdit::textChanged, this, [this] { NotifyCommand(EN_CHANGE); });
        outer = multi;
        client = multi;
        Watch(multi->viewport());
        return;
    }
    line = new QLineEdit(parentArea);
    line->setFrame(border);
    line->setReadOnly(editStyle & ES_READONLY);
    if (editStyle & ES_PASSWORD) line->setEchoMode(QLineEdit::Password);
    if (editStyle & ES_CENTER)
        line->setAlignment(Qt::AlignHCenter);
    else if (editStyle & ES_RIGHT)
        line->setAlignment(Qt::AlignRight);
    if (editStyle & ES_NUMBER)
        line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
    // The user's edits only; a text set by the program notifies from SetText.
    QObject::connect(line, &QLineEdit::textEdited, this, [this] { NotifyCommand(EN_CHANGE); });
    outer = line;
    client = line;
}

CString EditImpl::GetText() const {
    if (line) return FromQ(line->text());
    if (multi) return FromEditText(multi->toPlainText());
    return CString();
}

void EditImpl::SetText(const CString& text) {
    if (line) {
        const QSignalBlocker blocker(line);
        line->setText(ToQ(text));
    } else if (multi) {
        const QSignalBlocker blocker(multi);
        multi->setPlainText(ToEditText(text));
    }
    // Windows sends EN_CHANGE also when the program sets the text of a single-line edit; a multi-line edit
    // sends none for it.
    if (line) NotifyCommand(EN_CHANGE);
}

void EditImpl::StyleChanged(DWORD) {
    if (line)
        line->setReadOnly(style & ES_READONLY),
            line->setEchoMode(style & ES_PASSWORD ? QLineEdit::Password : QLineEdit::Normal);
    if (multi) multi->setReadOnly(style & ES_READONLY);
}

bool EditImpl::eventFilter(QObject* watched, QEvent* event) {
    if (!dead && owner && watched == outer) {
        if (event->type() == QEvent::FocusIn) NotifyCommand(EN_SETFOCUS);
        if (event->type() == QEvent::FocusOut) NotifyCommand(EN_KILLFOCUS);
        // Enter in a multi-line edit without ES_WANTRETURN belongs to the dialog's default button.
        if (multi && event->type() == QEvent::KeyPress && !(style & ES_WANTRETURN)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && outer->window()) {
                QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
                QCoreApplication::sendEvent(outer->window(), &copy);
                return true;
            }
        }
    }
    return WndImpl::eventFilter(watched, event);
}

}  // namespace tamo::platform

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Edit", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (!edit) return;
    if (edit->line) {
        const int length = static_cast<int>(edit->line->text().size());
        if (nStartChar < 0) {
            edit->line->deselect();
            return;
        }
        const int end = (nEndChar < 0 || nEndChar > length) ? length : nEndChar;
        edit->line->setSelection(std::min(nStartChar, length), end - std::min(nStartChar, length));
    } else if (edit->multi) {
        QTextCursor cursor = edit->multi->textCursor();
        const int length = static_cast<int>(edit->multi->toPlainText().size());
        cursor.setPosition(std::clamp(nStartChar, 0, length));
        cursor.setPosition(nEndChar < 0 ? length : std::clamp(nEndChar, 0, length), QTextCursor::KeepAnchor);
        edit->multi->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = nEndChar = 0;
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (edit && edit->line) {
        nStartChar = edit->line->hasSelectedText() ? edit->line->selectionStart() : edit->line->cursorPosition();
        nEndChar = edit->line->hasSelectedText() ? edit->line->selectionEnd() : nStartChar;
    } else if (edit && edit->multi) {
        nStartChar = edit->multi->textCursor().selectionStart();
        nEndChar = edit->multi->textCursor().selectionEnd();
    }
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL) {
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (!edit) return;
    if (edit->line)
        edit->line->insert(ToQ(lpszNewText));
    else if (edit->multi)
        edit->multi->insertPlainText(ToQ(lpszNewText));
}

void CEdit::SetReadOnly(BOOL bReadOnly) { ModifyStyle(bReadOnly ? 0 : ES_READONLY, bReadOnly ? ES_READONLY : 0); }

void CEdit::SetLimitText(UINT nMax) {
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (edit && edit->line) edit->line->setMaxLength(nMax ? static_cast<int>(nMax) : 32767);
}

UINT CEdit::GetLimitText() const {
    EditImpl* edit = ImplAs<EditImpl>(this);
    return edit && edit->line ? static_cast<UINT>(edit->line->maxLength()) : 0;
}

int CEdit::GetLineCount() const {
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (edit && edit->multi) return edit->multi->document()->blockCount();
    return edit ? 1 : 0;
}

void CEdit::Clear() { ReplaceSel(""); }

void CEdit::Copy() {
    OnEditWidget(this, [](auto* widget) { widget->copy(); });
}

void CEdit::Cut() {
    OnEditWidget(this, [](auto* widget) { widget->cut(); });
}

void CEdit::Paste() {
    OnEditWidget(this, [](auto* widget) { widget->paste(); });
}

void CEdit::SetPasswordChar(TCHAR ch) {
    EditImpl* edit = ImplAs<EditImpl>(this);
    if (edit && edit->line) edit->line->setEchoMode(ch ? QLineEdit::Password : QLineEdit::Normal);
}
