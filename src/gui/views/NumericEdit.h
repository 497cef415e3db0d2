#pragma once
// An edit field for numbers. Typed characters are filtered: in decimal mode
// digits, one sign ("+" or "-"), one decimal separator ("." or ","); in star
// mode digits and one "*". A refused character beeps. Every decimal comma
// becomes a point whenever the text changes (typed, pasted or set by the
// program), keeping the caret and selection where they were. The text can be
// drawn in a colour of its own (dark green unless told otherwise).
#include <QColor>
#include <QLineEdit>

class NumericEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum class Mode { Decimal, Star };

    explicit NumericEdit(QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }

    // Off by default: the text keeps the palette's colours.
    bool colouring() const { return m_colouring; }
    void setColouring(bool on);
    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor &colour);

    // Whether a character typed now would be taken (Backspace always is).
    bool accepts(QChar c) const;

    // Why a character this edit does not take is refused.
    QString refusalOf(QChar c) const;

signals:
    // A typed character was refused (after the beep, with the reason beside
    // the field and in the status bar).
    void characterRefused(QChar c);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void normalise();
    void applyColours();

    QString m_lastText;
    Mode m_mode = Mode::Decimal;
    QColor m_textColour{0, 128, 0};
    bool m_colouring = false;
};
