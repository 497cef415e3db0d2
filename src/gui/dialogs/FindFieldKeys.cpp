#include "FindFieldKeys.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace find_field_keys {

namespace {

class Forwarder : public QObject
{
public:
    Forwarder(QLineEdit *field, QAbstractItemView *list)
        : QObject(field), m_list(list)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            break;
        default:
            return false;
        }
        // The list moves its current row as its own keys would; a list
        // without one starts at its first row.
        if (!m_list->currentIndex().isValid() && m_list->model() && m_list->model()->rowCount() > 0) {
            m_list->setCurrentIndex(m_list->model()->index(0, 0));
            return true;
        }
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(m_list, &copy);
        return true;
    }

private:
    QAbstractItemView *m_list;
};

}

void moveListFrom(QLineEdit *field, QAbstractItemView *list)
{
    new Forwarder(field, list);
}

}
