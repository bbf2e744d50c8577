#pragma once

// What the editor's HWPML documents (the word processor's XML format) share: the skeleton with its one border
// fill, and the builders of paragraphs, text runs, tables, rows and cells. A document class derives from it and
// writes its content below the SECTION; build_document makes, saves and releases one DOM document per call.
// Texts are UTF-8; the file is UTF-8 as its declaration says. Messages go through the session's message box.

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "XmlDocument.h"
#include "class_cell_attribute_data.h"

class HwpmlBuilder {
public:
    HwpmlBuilder() = default;
    virtual ~HwpmlBuilder();
    HwpmlBuilder(const HwpmlBuilder&) = delete;
    HwpmlBuilder& operator=(const HwpmlBuilder&) = delete;

    // Creates the document, writes the skeleton with the content and saves it to the output path. 0 when the
    // file was written; -1 when the document could not be created ("xmlDocument가 생성되지 않았습니다") or
    // built, or the file could not be written (the message names the path). Every failure is shown.
    int build_document();

    std::string m_strOutputPath;

protected:
    using XmlNode = tamo::documents::XmlNode;

    // The document's content: body paragraphs appended to `section`.
    virtual void write_content(XmlNode section) = 0;

    // A paragraph "P" appended to the parent; without content it serves as spacing between blocks.
    XmlNode add_paragraph(XmlNode parent);
    // "TEXT" under the paragraph, "CHAR" under it holding the text (an empty text leaves CHAR empty).
    void add_text(XmlNode paragraph, std::string_view text);
    // A body paragraph of the section holding one line of text.
    void add_line(XmlNode section, std::string_view text);
    // A body paragraph with a TEXT element (without CHAR) that carries a table; answers the TEXT.
    XmlNode add_table_text(XmlNode parent);
    // "TABLE" under the TEXT element with a header row and `bodyRows` rows; it becomes the current table.
    void add_table(XmlNode text, int bodyRows, int columns);
    // "ROW" under the current table; it becomes the current row.
    void add_row();
    // "CELL" under the current row with the twelve attributes; it becomes the current cell.
    void add_cell(const class_cell_attribute_data& cell);
    // "PARALIST" under the current cell and a "P" under it, the cell paragraph.
    void add_cell_paragraph();
    // One row of the current table at `rowAddr`: a cell per text from left to right, each with the width of
    // its column and the height.
    void write_row(int rowAddr, std::initializer_list<std::string_view> texts, std::span<const int> widths,
                   int height);

private:
    void write_declaration();
    void write_root();
    void write_head();
    void write_mapping_table();
    void write_border_fill_list();
    void write_border_fill();
    void write_borders();
    void write_border(const char* name, const char* type, double width);
    void write_body();
    void write_section(int section);
    bool save_document();

    XmlNode Append(XmlNode parent, const char* name);
    void Release();

    std::unique_ptr<tamo::documents::XmlDocument> m_document;  // only while a build runs
    // The current element of each kind; handles into m_document, emptied with it.
    XmlNode m_root, m_head, m_mappingTable, m_borderFillList, m_borderFill, m_body, m_section;
    XmlNode m_table, m_row, m_cell, m_paraList, m_cellParagraph;
};
