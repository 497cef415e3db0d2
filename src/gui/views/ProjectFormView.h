#pragma once
// The project form: the chosen master type's picture and its six information
// lines (order number, description, diameter, outer and inner scale range,
// signal inputs) on white. Read-only.
#include "FormView.h"

class QLabel;

class ProjectFormView : public FormView
{
    Q_OBJECT
public:
    explicit ProjectFormView(ProjectDocument *document, QWidget *parent = nullptr);

    void initialize() override;
    void loadFromRecord() override;

    // The information text: the six master type lines, each ending with a line break.
    static QString informationText(const ProjectDocument &document);

private:
    QLabel *m_picture = nullptr;     // control 2300
    QLabel *m_information = nullptr; // control 1096
    QString m_informationText;
};
