#include "ResourceScript.h"

#include <cctype>
#include <map>
#include <stdexcept>
#include <vector>

#include "AfxRes.h"
#include "WinUser.h"

namespace tamo::res {

using platform::DialogControlTemplate;
using platform::DialogInitEntry;
using platform::DialogTemplate;
using platform::ImageResource;
using platform::MenuItemTemplate;
using platform::MenuTemplate;
using platform::ResourceTable;
using platform::ToolbarTemplate;

namespace {

#define TAMO_SYMBOL(name) \
    { #name, static_cast < long>(name) }
const std::map<std::string, long>& BuiltInSymbols() {
    static const std::map<std::string, long> symbols{
        TAMO_SYMBOL(WS_OVERLAPPED),
        TAMO_SYMBOL(WS_POPUP),
        TAMO_SYMBOL(WS_CHILD),
        TAMO_SYMBOL(WS_MINIMIZE),
        TAMO_SYMBOL(WS_VISIBLE),
        TAMO_SYMBOL(WS_DISABLED),
        TAMO_SYMBOL(WS_CLIPSIBLINGS),
        TAMO_SYMBOL(WS_CLIPCHILDREN),
        TAMO_SYMBOL(WS_MAXIMIZE),
        TAMO_SYMBOL(WS_CAPTION),
        TAMO_SYMBOL(WS_BORDER),
        TAMO_SYMBOL(WS_DLGFRAME),
        TAMO_SYMBOL(WS_VSCROLL),
        TAMO_SYMBOL(WS_HSCROLL),
        TAMO_SYMBOL(WS_SYSMENU),
        TAMO_SYMBOL(WS_THICKFRAME),
        TAMO_SYMBOL(WS_GROUP),
        TAMO_SYMBOL(WS_TABSTOP),
        TAMO_SYMBOL(WS_MINIMIZEBOX),
        TAMO_SYMBOL(WS_MAXIMIZEBOX),
        TAMO_SYMBOL(WS_OVERLAPPEDWINDOW),
        TAMO_SYMBOL(WS_POPUPWINDOW),
        TAMO_SYMBOL(WS_EX_DLGMODALFRAME),
        TAMO_SYMBOL(WS_EX_TOPMOST),
        TAMO_SYMBOL(WS_EX_TOOLWINDOW),
        TAMO_SYMBOL(WS_EX_WINDOWEDGE),
        TAMO_SYMBOL(WS_EX_CLIENTEDGE),
        TAMO_SYMBOL(WS_EX_CONTROLPARENT),
        TAMO_SYMBOL(WS_EX_STATICEDGE),
        TAMO_SYMBOL(DS_3DLOOK),
        TAMO_SYMBOL(DS_FIXEDSYS),
        TAMO_SYMBOL(DS_SETFONT),
        TAMO_SYMBOL(DS_MODALFRAME),
        TAMO_SYMBOL(DS_CONTROL),
        TAMO_SYMBOL(DS_CENTER),
        TAMO_SYMBOL(DS_SHELLFONT),
        TAMO_SYMBOL(ES_LEFT),
        TAMO_SYMBOL(ES_CENTER),
        TAMO_SYMBOL(ES_RIGHT),
        TAMO_SYMBOL(ES_MULTILINE),
        TAMO_SYMBOL(ES_UPPERCASE),
        TAMO_SYMBOL(ES_LOWERCASE),
        TAMO_SYMBOL(ES_PASSWORD),
        TAMO_SYMBOL(ES_AUTOVSCROLL),
        TAMO_SYMBOL(ES_AUTOHSCROLL),
        TAMO_SYMBOL(ES_NOHIDESEL),
        TAMO_SYMBOL(ES_READONLY),
        TAMO_SYMBOL(ES_WANTRETURN),
        TAMO_SYMBOL(ES_NUMBER),
        TAMO_SYMBOL(BS_PUSHBUTTON),
        TAMO_SYMBOL(BS_DEFPUSHBUTTON),
        TAMO_SYMBOL(BS_CHECKBOX),
        TAMO_SYMBOL(BS_AUTOCHECKBOX),
        TAMO_SYMBOL(BS_RADIOBUTTON),
        TAMO_SYMBOL(BS_3STATE),
        TAMO_SYMBOL(BS_AUTO3STATE),
        TAMO_SYMBOL(BS_GROUPBOX),
        TAMO_SYMBOL(BS_AUTORADIOBUTTON),
        TAMO_SYMBOL(BS_LEFTTEXT),
        TAMO_SYMBOL(BS_MULTILINE),
        TAMO_SYMBOL(SS_LEFT),
        TAMO_SYMBOL(SS_CENTER),
        TAMO_SYMBOL(SS_RIGHT),
        TAMO_SYMBOL(SS_ICON),
        TAMO_SYMBOL(SS_BLACKRECT),
        TAMO_SYMBOL(SS_GRAYRECT),
        TAMO_SYMBOL(SS_WHITERECT),
        TAMO_SYMBOL(SS_BLACKFRAME),
        TAMO_SYMBOL(SS_GRAYFRAME),
        TAMO_SYMBOL(SS_WHITEFRAME),
        TAMO_SYMBOL(SS_SIMPLE),
        TAMO_SYMBOL(SS_LEFTNOWORDWRAP),
        TAMO_SYMBOL(SS_BITMAP),
        TAMO_SYMBOL(SS_ETCHEDHORZ),
        TAMO_SYMBOL(SS_ETCHEDVERT),
        TAMO_SYMBOL(SS_ETCHEDFRAME),
        TAMO_SYMBOL(SS_NOTIFY),
        TAMO_SYMBOL(SS_CENTERIMAGE),
        TAMO_SYMBOL(SS_SUNKEN),
        TAMO_SYMBOL(CBS_SIMPLE),
        TAMO_SYMBOL(CBS_DROPDOWN),
        TAMO_SYMBOL(CBS_DROPDOWNLIST),
        TAMO_SYMBOL(CBS_AUTOHSCROLL),
        TAMO_SYMBOL(CBS_SORT),
        TAMO_SYMBOL(CBS_HASSTRINGS),
        TAMO_SYMBOL(CBS_NOINTEGRALHEIGHT),
        TAMO_SYMBOL(CBS_DISABLENOSCROLL),
        TAMO_SYMBOL(LBS_NOTIFY),
        TAMO_SYMBOL(LBS_SORT),
        TAMO_SYMBOL(LBS_NOREDRAW),
        TAMO_SYMBOL(LBS_MULTIPLESEL),
        TAMO_SYMBOL(LBS_HASSTRINGS),
        TAMO_SYMBOL(LBS_USETABSTOPS),
        TAMO_SYMBOL(LBS_NOINTEGRALHEIGHT),
        TAMO_SYMBOL(LBS_EXTENDEDSEL),
        TAMO_SYMBOL(LBS_DISABLENOSCROLL),
        TAMO_SYMBOL(LBS_STANDARD),
        TAMO_SYMBOL(LVS_ICON),
        TAMO_SYMBOL(LVS_REPORT),
        TAMO_SYMBOL(LVS_SMALLICON),
        TAMO_SYMBOL(LVS_LIST),
        TAMO_SYMBOL(LVS_SINGLESEL),
        TAMO_SYMBOL(LVS_SHOWSELALWAYS),
        TAMO_SYMBOL(LVS_SORTASCENDING),
        TAMO_SYMBOL(LVS_SORTDESCENDING),
        TAMO_SYMBOL(LVS_EDITLABELS),
        TAMO_SYMBOL(LVS_ALIGNLEFT),
        TAMO_SYMBOL(LVS_NOCOLUMNHEADER),
        TAMO_SYMBOL(LVS_NOSORTHEADER),
        TAMO_SYMBOL(TVS_HASBUTTONS),
        TAMO_SYMBOL(TVS_HASLINES),
        TAMO_SYMBOL(TVS_LINESATROOT),
        TAMO_SYMBOL(TVS_EDITLABELS),
        TAMO_SYMBOL(TVS_DISABLEDRAGDROP),
        TAMO_SYMBOL(TVS_SHOWSELALWAYS),
        TAMO_SYMBOL(TVS_CHECKBOXES),
        TAMO_SYMBOL(TVS_TRACKSELECT),
        TAMO_SYMBOL(TVS_FULLROWSELECT),
        TAMO_SYMBOL(IDOK),
        TAMO_SYMBOL(IDCANCEL),
        TAMO_SYMBOL(IDABORT),
        TAMO_SYMBOL(IDRETRY),
        TAMO_SYMBOL(IDIGNORE),
        TAMO_SYMBOL(IDYES),
        TAMO_SYMBOL(IDNO),
        TAMO_SYMBOL(IDCLOSE),
        TAMO_SYMBOL(IDHELP),
        TAMO_SYMBOL(IDC_STATIC),
        TAMO_SYMBOL(ID_SEPARATOR),
        TAMO_SYMBOL(ID_FILE_NEW),
        TAMO_SYMBOL(ID_FILE_OPEN),
        TAMO_SYMBOL(ID_FILE_CLOSE),
        TAMO_SYMBOL(ID_FILE_SAVE),
        TAMO_SYMBOL(ID_FILE_SAVE_AS),
        TAMO_SYMBOL(ID_FILE_PRINT_SETUP),
        TAMO_SYMBOL(ID_FILE_PRINT),
        TAMO_SYMBOL(ID_FILE_PRINT_PREVIEW),
        TAMO_SYMBOL(ID_EDIT_CUT),
        TAMO_SYMBOL(ID_EDIT_COPY),
        TAMO_SYMBOL(ID_EDIT_PASTE),
        TAMO_SYMBOL(ID_EDIT_UNDO),
        TAMO_SYMBOL(ID_WINDOW_NEW),
        TAMO_SYMBOL(ID_WINDOW_CASCADE),
        TAMO_SYMBOL(ID_WINDOW_TILE_HORZ),
        TAMO_SYMBOL(ID_WINDOW_ARRANGE),
        TAMO_SYMBOL(ID_APP_ABOUT),
        TAMO_SYMBOL(ID_APP_EXIT),
        TAMO_SYMBOL(ID_VIEW_TOOLBAR),
        TAMO_SYMBOL(ID_VIEW_STATUS_BAR),
        TAMO_SYMBOL(AFX_IDS_APP_TITLE),
        TAMO_SYMBOL(AFX_IDS_IDLEMESSAGE),
    };
    return symbols;
}
#undef TAMO_SYMBOL

// A failure at a line of the script.
struct ScriptError : std::runtime_error {
    ScriptError(int line, const std::string& what) : std::runtime_error(what), line(line) {}
    int line;
};

struct Token {
    enum Kind { Word, Number, String, Punct, End };
    Kind kind = End;
    std::string text;
    long number = 0;
    int line = 0;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : m_text(text) {}

    std::vector<Token> Tokens() {
        std::vector<Token> tokens;
        for (;;) {
            Token token = Next();
            tokens.push_back(token);
            if (token.kind == Token::End) return tokens;
        }
    }

private:
    char Peek(size_t ahead = 0) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0'; }

    void SkipSpaceAndComments() {
        for (;;) {
            const char ch = Peek();
            if (ch == '\n') {
                ++m_line, ++m_pos;
            } else if (std::isspace(static_cast<unsigned char>(ch))) {
                ++m_pos;
            } else if (ch == '/' && Peek(1) == '/') {
                while (Peek() != '\n' && Peek() != '\0') ++m_pos;
            } else if (ch == '/' && Peek(1) == '*') {
                m_pos += 2;
                while (Peek() != '\0' && !(Peek() == '*' && Peek(1) == '/')) m_line += Peek() == '\n', ++m_pos;
                if (Peek() == '\0') throw ScriptError(m_line, "unterminated comment");
                m_pos += 2;
            } else {
                return;
            }
        }
    }

    Token Next() {
        SkipSpaceAndComments();
        Token token;
        token.line = m_line;
        const char ch = Peek();
        if (ch == '\0') return token;
        if (ch == '"') return ReadString(token);
        if (std::isdigit(static_cast<unsigned char>(ch))) return ReadNumber(token);
        if (std::isalpha(static_cast<unsigned char>(ch)) || ch == '_' || ch == '#') {
            token.kind = Token::Word;
            do token.text += m_text[m_pos++];
            while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_');
            return token;
        }
        token.kind = Token::Punct;
        token.text = std::string(1, ch);
        ++m_pos;
        return token;
    }

    Token& ReadNumber(Token& token) {
        token.kind = Token::Number;
        size_t used = 0;
        const std::string rest(m_text.substr(m_pos, 32));
        token.number = std::stol(rest, &used, 0);
        m_pos += used;
        if (Peek() == 'L' || Peek() == 'l' || Peek() == 'U' || Peek() == 'u') ++m_pos;
        return token;
    }

    // Strings are UTF-8. "" stands for one quote; \n, \t, \\ and \" are the usual escapes.
    Token& ReadString(Token& token) {
        token.kind = Token::String;
        ++m_pos;
        for (;;) {
            const char ch = Peek();
            if (ch == '\0' || ch == '\n') throw ScriptError(m_line, "unterminated string");
            ++m_pos;
            if (ch == '"') {
                if (Peek() != '"') return token;
                token.text += '"', ++m_pos;
            } else if (ch == '\\') {
                const char escaped = Peek();
                ++m_pos;
                if (escaped == 'n')
                    token.text += '\n';
                else if (escaped == 't')
                    token.text += '\t';
                else if (escaped == 'r')
                    token.text += '\r';
                else if (escaped == '\\' || escaped == '"')
                    token.text += escaped;
                else
                    throw ScriptError(m_line, std::string("unknown escape \\") + escaped);
            } else {
                token.text += ch;
            }
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
};

class Parser {
public:
    Parser(std::vector<Token> tokens, const ResourceScript::FileLookup& files, ResourceTable& table)
        : m_tokens(std::move(tokens)), m_files(files), m_table(table) {}

    void Run() {
        while (Current().kind != Token::End) Statement();
    }

private:
    const Token& Current() const { return m_tokens[m_at]; }
    const Token& Take() {
        const Token& token = m_tokens[m_at];
        if (token.kind != Token::End) ++m_at;
        return token;
    }
    bool IsWord(const char* word) const { return Current().kind == Token::Word && Current().text == word; }
    bool IsPunct(const char* punct) const { return Current().kind == Token::Punct && Current().text == punct; }
    [[noreturn]] void Fail(const std::string& what) const { throw ScriptError(Current().line, what); }

    void Expect(const char* punct) {
        if (!IsPunct(punct)) Fail(std::string("expected '") + punct + "'");
        Take();
    }
    bool Accept(const char* punct) {
        if (!IsPunct(punct)) return false;
        Take();
        return true;
    }
    std::string String() {
        if (Current().kind != Token::String) Fail("expected a quoted text");
        return Take().text;
    }
    void Begin() {
        if (IsWord("BEGIN") || IsPunct("{")) return void(Take());
        Fail("expected BEGIN");
    }
    bool AtEnd() {
        if (IsWord("END") || IsPunct("}")) return Take(), true;
        if (Current().kind == Token::End) Fail("missing END");
        return false;
    }

    // A number, a symbol, "-" number, or a union of them with "|".
    long Value() {
        const Style style = StyleValue();
        return style.set & ~style.cleared;
    }
    // Styles may also name bits to remove from the statement's default ("NOT WS_TABSTOP").
    struct Style {
        long set = 0;
        long cleared = 0;
        DWORD Applied(DWORD defaults) const { return static_cast<DWORD>((defaults | set) & ~cleared); }
    };
    Style StyleValue() {
        Style style;
        do {
            if (IsWord("NOT")) {
                Take();
                style.cleared |= Term();
            } else {
                style.set |= Term();
            }
        } while (Accept("|"));
        return style;
    }
    long Term() {
        if (Accept("(")) {
            const long value = Value();
            Expect(")");
            return value;
        }
        if (Accept("-")) return -Term();
        if (Current().kind == Token::Number) return Take().number;
        if (Current().kind == Token::Word) {
            const std::string name = Current().text;
            if (auto own = m_defines.find(name); own != m_defines.end()) return Take(), own->second;
            const auto& builtIn = BuiltInSymbols();
            if (auto at = builtIn.find(name); at != builtIn.end()) return Take(), at->second;
            Fail("unknown symbol " + name);
        }
        Fail("expected a number or symbol");
    }
    // An optional ", value" at the end of a statement.
    bool OptionalValue(long& value) {
        if (!Accept(",")) return false;
        value = Value();
        return true;
    }
    bool OptionalStyle(Style& style) {
        if (!Accept(",")) return false;
        style = StyleValue();
        return true;
    }

    void Statement() {
        if (IsWord("#define")) {
            Take();
            if (Current().kind != Token::Word) Fail("expected a name after #define");
            const std::string name = Take().text;
            m_defines[name] = Value();
            return;
        }
        if (IsWord("STRINGTABLE")) return Take(), StringTable();
        const int line = Current().line;
        const long id = Value();
        if (id < 0 || id > 0xFFFF) throw ScriptError(line, "resource id out of range");
        if (Current().kind != Token::Word) Fail("expected a resource kind");
        const std::string kind = Take().text;
        if (kind == "DIALOG" || kind == "DIALOGEX") return Dialog(static_cast<UINT>(id), line);
        if (kind == "MENU") return Menu(static_cast<UINT>(id), line);
        if (kind == "BITMAP") return Image(static_cast<UINT>(id), ImageResource::Bitmap, line);
        if (kind == "ICON") return Image(static_cast<UINT>(id), ImageResource::Icon, line);
        if (kind == "TOOLBAR") return Toolbar(static_cast<UINT>(id), line);
        if (kind == "DLGINIT") return DialogInit(static_cast<UINT>(id), line);
        throw ScriptError(line, "unknown resource kind " + kind);
    }

    void StringTable() {
        Begin();
        while (!AtEnd()) {
            const int line = Current().line;
            const long id = Value();
            Accept(",");
            if (!m_table.AddString(static_cast<UINT>(id), String().c_str()))
                throw ScriptError(line, "string " + std::to_string(id) + " is defined twice");
        }
    }

    void Dialog(UINT id, int line) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.x = Value(), Expect(","), dialog.y = Value(), Expect(",");
        dialog.cx = Value(), Expect(","), dialog.cy = Value();
        long ignored;
        OptionalValue(ignored);  // help id of DIALOGEX
        for (bool more = true; more;) {
            if (IsWord("STYLE"))
                Take(), dialog.style = StyleValue().Applied(0);
            else if (IsWord("EXSTYLE"))
                Take(), dialog.exStyle = static_cast<DWORD>(Value());
            else if (IsWord("CAPTION"))
                Take(), dialog.caption = String().c_str();
            else if (IsWord("FONT"))
                DialogFont(dialog);
            else if (IsWord("MENU") || IsWord("CLASS"))
                Take(), Take();
            else
                more = false;
        }
        Begin();
        while (!AtEnd()) dialog.controls.push_back(Control());
        if (!m_table.AddDialog(dialog)) throw ScriptError(line, "dialog " + std::to_string(id) + " is defined twice");
    }

    void DialogFont(DialogTemplate& dialog) {
        Take();
        dialog.fontPointSize = static_cast<int>(Value());
        Expect(",");
        dialog.fontFace = String().c_str();
        long ignored;
        while (OptionalValue(ignored)) {
        }
    }

    struct ControlKind {
        const char* keyword;
        const char* className;
        long defaultStyle;
        bool hasText;
    };

    static const ControlKind* FindControlKind(const std::string& keyword) {
        static const ControlKind kinds[] = {
            {"LTEXT", "Static", SS_LEFT | WS_GROUP, true},
            {"RTEXT", "Static", SS_RIGHT | WS_GROUP, true},
            {"CTEXT", "Static", SS_CENTER | WS_GROUP, true},
            {"ICON", "Static", SS_ICON, true},
            {"PUSHBUTTON", "Button", BS_PUSHBUTTON | WS_TABSTOP, true},
            {"DEFPUSHBUTTON", "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, true},
            {"CHECKBOX", "Button", BS_CHECKBOX | WS_TABSTOP, true},
            {"AUTOCHECKBOX", "Button", BS_AUTOCHECKBOX | WS_TABSTOP, true},
            {"RADIOBUTTON", "Button", BS_RADIOBUTTON, true},
            {"AUTORADIOBUTTON", "Button", BS_AUTORADIOBUTTON, true},
            {"STATE3", "Button", BS_3STATE | WS_TABSTOP, true},
            {"AUTO3STATE", "Button", BS_AUTO3STATE | WS_TABSTOP, true},
            {"GROUPBOX", "Button", BS_GROUPBOX, true},
            {"EDITTEXT", "Edit", ES_LEFT | WS_BORDER | WS_TABSTOP, false},
            {"COMBOBOX", "ComboBox", CBS_SIMPLE | WS_TABSTOP, false},
            {"LISTBOX", "ListBox", LBS_NOTIFY | WS_BORDER, false},
        };
        for (const ControlKind& kind : kinds)
            if (keyword == kind.keyword) return &kind;
        return nullptr;
    }

    std::string ControlText() {
        if (Current().kind == Token::String) return Take().text;
        // ICON statements may name their icon by number or symbol.
        return std::to_string(Value());
    }

    DialogControlTemplate Control() {
        if (Current().kind != Token::Word) Fail("expected a control statement");
        const std::string keyword = Take().text;
        DialogControlTemplate control;
        control.style = WS_CHILD | WS_VISIBLE;
        if (keyword == "CONTROL") {
            control.text = ControlText().c_str();
            Expect(","), control.id = static_cast<int>(Value()), Expect(",");
            control.className = String().c_str();
            Expect(","), control.style = StyleValue().Applied(control.style), Expect(",");
            ControlRectangle(control, true);
            long exStyle;
            if (OptionalValue(exStyle)) control.exStyle = static_cast<DWORD>(exStyle);
            return control;
        }
        const ControlKind* kind = FindControlKind(keyword);
        if (!kind) Fail("unknown control statement " + keyword);
        control.className = kind->className;
        control.style |= static_cast<DWORD>(kind->defaultStyle);
        if (kind->hasText) control.text = ControlText().c_str(), Expect(",");
        control.id = static_cast<int>(Value());
        Expect(",");
        ControlRectangle(control, keyword != "ICON");
        Style style;
        long exStyle;
        if (OptionalStyle(style)) {
            // A control type given explicitly replaces the statement's own.
            if (control.className == "Button" && (style.set & BS_TYPEMASK)) control.style &= ~BS_TYPEMASK;
            if (control.className == "ComboBox" && (style.set & 3)) control.style &= ~3u;
            control.style = style.Applied(control.style);
            if (OptionalValue(exStyle)) control.exStyle = static_cast<DWORD>(exStyle);
        }
        return control;
    }

    void ControlRectangle(DialogControlTemplate& control, bool sizeRequired) {
        control.x = static_cast<int>(Value()), Expect(","), control.y = static_cast<int>(Value());
        if (sizeRequired || IsPunct(",")) {
            Expect(","), control.cx = static_cast<int>(Value()), Expect(","), control.cy = static_cast<int>(Value());
        }
    }

    void Menu(UINT id, int line) {
        MenuTemplate menu;
        menu.id = id;
        MenuItems(menu.items);
        if (!m_table.AddMenu(menu)) throw ScriptError(line, "menu " + std::to_string(id) + " is defined twice");
    }

    void MenuItems(std::vector<MenuItemTemplate>& items) {
        Begin();
        while (!AtEnd()) {
            MenuItemTemplate item;
            if (IsWord("POPUP")) {
                Take();
                item.kind = MenuItemTemplate::Popup;
                item.text = String().c_str();
                MenuOptions(item);
                MenuItems(item.children);
            } else if (IsWord("MENUITEM")) {
                Take();
                if (IsWord("SEPARATOR")) {
                    Take();
                    item.kind = MenuItemTemplate::Separator;
                } else {
                    item.text = String().c_str();
                    Expect(",");
                    item.id = static_cast<UINT>(Value());
                    MenuOptions(item);
                }
            } else {
                Fail("expected POPUP, MENUITEM or END");
            }
            items.push_back(item);
        }
    }

    void MenuOptions(MenuItemTemplate& item) {
        for (;;) {
            Accept(",");
            if (IsWord("GRAYED") || IsWord("INACTIVE"))
                Take(), item.grayed = true;
            else if (IsWord("CHECKED"))
                Take(), item.checked = true;
            else if (IsWord("MENUBREAK") || IsWord("MENUBARBREAK") || IsWord("HELP"))
                Take();
            else
                return;
        }
    }

    void Image(UINT id, ImageResource::Kind kind, int line) {
        ImageResource image;
        image.id = id;
        image.kind = kind;
        const std::string file = String();
        image.name = file.c_str();
        auto bytes = m_files ? m_files(file) : std::nullopt;
        if (!bytes) throw ScriptError(line, "image file " + file + " not found");
        image.bytes = std::move(*bytes);
        if (!m_table.AddImage(image))
            throw ScriptError(
                line, (kind == ImageResource::Icon ? "icon " : "bitmap ") + std::to_string(id) + " is defined twice");
    }

    void Toolbar(UINT id, int line) {
        ToolbarTemplate toolbar;
        toolbar.id = id;
        toolbar.buttonWidth = static_cast<int>(Value());
        Expect(",");
        toolbar.buttonHeight = static_cast<int>(Value());
        Begin();
        while (!AtEnd()) {
            if (IsWord("SEPARATOR"))
                Take(), toolbar.commands.push_back(ID_SEPARATOR);
            else if (IsWord("BUTTON"))
                Take(), toolbar.commands.push_back(static_cast<UINT>(Value()));
            else
                Fail("expected BUTTON, SEPARATOR or END");
        }
        if (!m_table.AddToolbar(toolbar))
            throw ScriptError(line, "toolbar " + std::to_string(id) + " is defined twice");
    }

    // DLGINIT names the entries that a dialog's list controls start with: "control-id, text" pairs. It
    // follows the dialog it belongs to.
    void DialogInit(UINT id, int line) {
        std::vector<DialogInitEntry> entries;
        Begin();
        while (!AtEnd()) {
            DialogInitEntry entry;
            entry.controlId = static_cast<int>(Value());
            Expect(",");
            entry.text = String().c_str();
            entries.push_back(entry);
        }
        if (!m_table.AddDialogInitEntries(id, entries))
            throw ScriptError(line, "DLGINIT for dialog " + std::to_string(id) + " comes before the dialog");
    }

    std::vector<Token> m_tokens;
    size_t m_at = 0;
    const ResourceScript::FileLookup& m_files;
    ResourceTable& m_table;
    std::map<std::string, long> m_defines;
};

}  // namespace

bool ResourceScript::Load(std::string_view scriptName, std::string_view text, const FileLookup& files,
                          ResourceTable& table, std::string* error) {
    try {
        Parser(Lexer(text).Tokens(), files, table).Run();
        return true;
    } catch (const ScriptError& failure) {
        if (error) *error = std::string(scriptName) + ":" + std::to_string(failure.line) + ": " + failure.what();
    } catch (const std::exception& failure) {
        if (error) *error = std::string(scriptName) + ": " + failure.what();
    }
    return false;
}

}  // namespace tamo::res
