#pragma once
// One control of a dialog template as a widget: its kind, template text and
// list entries, its starting visibility, and its template identifier as its
// object name ("1085") so that translations and tests find it.
#include "resources/DialogTemplates.h"

class QWidget;

QWidget *createTemplateControl(const dialog_templates::ControlTemplate &control, QWidget *parent);
