#pragma once

#include <string>

// The texts of the help window "도움말": one fixed Korean text per help topic. Lines end with "\n", items are
// separated by an empty line.
class class_explan_dialog_data {
public:
    virtual ~class_explan_dialog_data() = default;

    // Replaces the text with the topic's text. Topics 0, 1 and 2 share one text; a topic without a text of its
    // own (5 to 24, 30 and every number above 40) gives the general text of the start page.
    void get_explanation(std::string& text, unsigned int topic);
};
