#pragma once
// The program's dialog and form templates as data: every control with its
// identifier, kind, template text (German, with "ID_n" tags that the language
// pack translates) and initial list entries. Forms and dialogs take their
// texts from here, and the language test checks that every tag has a
// translation in every pack.
#include <vector>

namespace dialog_templates {

enum class ControlKind {
    Label,        // static text
    Edit,
    Button,       // push button (OK, Cancel, ...)
    CheckBox,
    RadioButton,
    GroupBox,
    DropDownList, // combo box of the drop-down list style
    ListView,     // report-style list
    Picture,      // bitmap control
    Line,         // horizontal or vertical etched line
    Frame,        // sunken frame (graph area)
};

constexpr int UnnamedControl = -1; // a static without identifier of its own

struct ControlTemplate
{
    int id;                          // control identifier, or UnnamedControl
    ControlKind kind;
    const char *text;                // UTF-8 template text, may be empty
    std::vector<const char *> items; // initial entries of a list, if any
    bool hidden = false;             // not visible until the form shows it
};

struct DialogTemplate
{
    int id;              // template number (100, 102, 104, 114, 120, ...)
    const char *name;    // class that uses it, for messages
    const char *caption; // UTF-8 caption text, may be empty (form views)
    std::vector<ControlTemplate> controls;
};

const std::vector<DialogTemplate> &all();
// The template with that number, or nullptr.
const DialogTemplate *find(int templateId);
// The control of a template, or nullptr.
const ControlTemplate *findControl(int templateId, int controlId);

}
