#include "HwpmlBuilder.h"

#include <xercesc/dom/DOMException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>

#include <charconv>

#include "SessionMessageBox.h"

using tamo::documents::XmlDocument;
using tamo::documents::XmlNode;

namespace {

const char* const kNoDocument = "xmlDocument가 생성되지 않았습니다";
const char* const kNotBuilt = "HML 문서를 만들지 못했습니다.";
const char* const kNotSaved = "HML 문서를 저장하지 못했습니다.";
const char* const kDeclaration = "version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"";

// The shortest text that reads back as the number ("0.12", "0.1"), whatever the process locale says.
std::string NumberText(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

}  // namespace

HwpmlBuilder::~HwpmlBuilder() = default;

int HwpmlBuilder::build_document() {
    m_document = XmlDocument::Create();
    if (!m_document) {
        SessionMessageBox(kNoDocument);
        return -1;
    }
    bool saved = false;
    try {
        write_declaration();
        write_root();
        write_head();
        write_mapping_table();
        write_border_fill_list();
        write_border_fill();
        write_borders();
        write_body();
        saved = save_document();
    } catch (const xercesc::DOMException&) {
        SessionMessageBox(kNotBuilt);
    } catch (const xercesc::OutOfMemoryException&) {
        SessionMessageBox(kNotBuilt);
    }
    Release();
    return saved ? 0 : -1;
}

void HwpmlBuilder::write_declaration() {
    m_document->AppendChild(m_document->CreateProcessingInstruction("xml", kDeclaration));
}

void HwpmlBuilder::write_root() {
    m_root = m_document->AppendChild(m_document->CreateElement("HWPML"));
    m_root.SetAttribute("Style", "embed");
    m_root.SetAttribute("SubVersion", "8.0.1.0");
    m_root.SetAttribute("Version", "2.8");
}

void HwpmlBuilder::write_head() {
    m_head = Append(m_root, "HEAD");
    m_head.SetAttribute("SecCnt", "1");
}

void HwpmlBuilder::write_mapping_table() { m_mappingTable = Append(m_head, "MAPPINGTABLE"); }

void HwpmlBuilder::write_border_fill_list() {
    m_borderFillList = Append(m_mappingTable, "BORDERFILLLIST");
    m_borderFillList.SetAttribute("Count", "1");
}

void HwpmlBuilder::write_border_fill() {
    m_borderFill = Append(m_borderFillList, "BORDERFILL");
    m_borderFill.SetAttribute("Id", "1");
}

void HwpmlBuilder::write_borders() {
    write_border("LEFTBORDER", "Solid", 0.12);
    write_border("RIGHTBORDER", "Solid", 0.12);
    write_border("TOPBORDER", "Solid", 0.12);
    write_border("BOTTOMBORDER", "Solid", 0.12);
    write_border("DIAGONAL", "Solid", 0.1);
}

void HwpmlBuilder::write_border(const char* name, const char* type, double width) {
    XmlNode border = Append(m_borderFill, name);
    border.SetAttribute("Type", type);
    border.SetAttribute("Width", NumberText(width));
}

void HwpmlBuilder::write_body() {
    m_body = Append(m_root, "BODY");
    write_section(0);
}

void HwpmlBuilder::write_section(int section) {
    m_section = Append(m_body, "SECTION");
    m_section.SetAttribute("Id", std::to_string(section));
    write_content(m_section);
}

bool HwpmlBuilder::save_document() {
    std::string reason;
    if (m_document->Save(m_strOutputPath, reason)) return true;
    if (reason.find(m_strOutputPath) == std::string::npos) reason = m_strOutputPath + ": " + reason;
    SessionMessageBox((std::string(kNotSaved) + "\n" + reason).c_str());
    return false;
}

XmlNode HwpmlBuilder::add_paragraph(XmlNode parent) { return Append(parent, "P"); }

void HwpmlBuilder::add_text(XmlNode paragraph, std::string_view text) {
    Append(Append(paragraph, "TEXT"), "CHAR").SetText(text);
}

void HwpmlBuilder::add_line(XmlNode section, std::string_view text) { add_text(add_paragraph(section), text); }

XmlNode HwpmlBuilder::add_table_text(XmlNode parent) { return Append(add_paragraph(parent), "TEXT"); }

void HwpmlBuilder::add_table(XmlNode text, int bodyRows, int columns) {
    m_table = Append(text, "TABLE");
    m_table.SetAttribute("BorderFill", "1");
    m_table.SetAttribute("CellSpacing", "0");
    m_table.SetAttribute("ColCount", std::to_string(columns));
    m_table.SetAttribute("PageBreak", "Cell");
    m_table.SetAttribute("RepeatHeader", "true");
    m_table.SetAttribute("RowCount", std::to_string(bodyRows + 1));
}

void HwpmlBuilder::add_row() { m_row = Append(m_table, "ROW"); }

void HwpmlBuilder::add_cell(const class_cell_attribute_data& cell) {
    m_cell = Append(m_row, "CELL");
    m_cell.SetAttribute("BorderFill", std::to_string(cell.BorderFill));
    m_cell.SetAttribute("ColAddr", std::to_string(cell.ColAddr));
    m_cell.SetAttribute("ColSpan", std::to_string(cell.ColSpan));
    m_cell.SetAttribute("Dirty", cell.Dirty);
    m_cell.SetAttribute("Editable", cell.Editable);
    m_cell.SetAttribute("HasMargin", cell.HasMargin);
    m_cell.SetAttribute("Header", cell.Header);
    m_cell.SetAttribute("Height", std::to_string(cell.Height));
    m_cell.SetAttribute("Protect", cell.Protect);
    m_cell.SetAttribute("RowAddr", std::to_string(cell.RowAddr));
    m_cell.SetAttribute("RowSpan", std::to_string(cell.RowSpan));
    m_cell.SetAttribute("Width", std::to_string(cell.Width));
}

void HwpmlBuilder::add_cell_paragraph() {
    m_paraList = Append(m_cell, "PARALIST");
    m_cellParagraph = add_paragraph(m_paraList);
}

void HwpmlBuilder::write_row(int rowAddr, std::initializer_list<std::string_view> texts, std::span<const int> widths,
                             int height) {
    add_row();
    class_cell_attribute_data cell;
    cell.RowAddr = rowAddr;
    cell.Height = height;
    int column = 0;
    for (std::string_view text : texts) {
        cell.ColAddr = column;
        cell.Width = widths[static_cast<std::size_t>(column)];
        add_cell(cell);
        add_cell_paragraph();
        add_text(m_cellParagraph, text);
        ++column;
    }
}

XmlNode HwpmlBuilder::Append(XmlNode parent, const char* name) {
    return parent.AppendChild(m_document->CreateElement(name));
}

void HwpmlBuilder::Release() {
    for (XmlNode* slot : {&m_root, &m_head, &m_mappingTable, &m_borderFillList, &m_borderFill, &m_body, &m_section,
                          &m_table, &m_row, &m_cell, &m_paraList, &m_cellParagraph})
        *slot = XmlNode();
    m_document.reset();
}
