#include "AboutDialog.h"

#include "resources/DialogTemplates.h"
#include "resources/ProgramPictures.h"
#include "app/TranslateWindow.h"
#include "base/LocalDates.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

namespace {

constexpr int AboutTemplate = 100;
constexpr int VersionLabelId = 1160;

}

QString AboutDialog::versionLine(int major, int minor, int patch, const QString &buildDate, int wordBits)
{
    return QString::asprintf("Version %d.%d%d - ", major, minor, patch) + buildDate
           + QStringLiteral(" - %1 Bit").arg(wordBits) + QStringLiteral(" R");
}

QString AboutDialog::programVersionLine()
{
    const QStringList parts = QStringLiteral(SKALERON_VERSION).split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).toInt() : 0; };
    return versionLine(part(0), part(1), part(2), buildDateText(QStringLiteral(__DATE__)), int(sizeof(void *) * 8));
}

QString AboutDialog::buildDateText(const QString &compilerDate)
{
    // Month names as the compiler writes them, whatever the language.
    const QDate date = QLocale::c().toDate(compilerDate.simplified(), QStringLiteral("MMM d yyyy"));
    return date.isValid() ? local_dates::date(date) : compilerDate;
}

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    const auto *t = dialog_templates::find(AboutTemplate);
    if (t)
        setWindowTitle(QString::fromUtf8(t->caption));

    auto *grid = new QGridLayout(this);
    int row = 0;
    QPushButton *ok = nullptr;
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(programPicture(program_pictures::AboutPicture)));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    for (const auto &c : t ? t->controls : std::vector<dialog_templates::ControlTemplate>()) {
        const QString text = QString::fromUtf8(c.text);
        if (c.kind == dialog_templates::ControlKind::Label) {
            auto *label = new QLabel(text, this);
            if (c.id == VersionLabelId)
                m_version = label;
            grid->addWidget(label, row++, 1);
        } else if (c.kind == dialog_templates::ControlKind::Button) {
            ok = new QPushButton(text, this);
            ok->setObjectName(QStringLiteral("control%1").arg(c.id));
            ok->setDefault(true);
            connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        }
    }
    if (ok)
        grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->setRowStretch(qMax(row, 3), 1);
    grid->setHorizontalSpacing(16);

    translateWindow(this);
    if (!m_version) { // a template without the version line still shows it
        m_version = new QLabel(this);
        grid->addWidget(m_version, row, 1);
    }
    m_version->setObjectName(QStringLiteral("control%1").arg(VersionLabelId));
    m_version->setText(programVersionLine());
}
