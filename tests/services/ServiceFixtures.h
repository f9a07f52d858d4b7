#pragma once
// Fixtures shared by the transport-service tests: stored services, controls found by text,
// a pick from a drop-down list as a user makes it, and dialog steps that run after the
// dialog's own modal loop has started (so that message boxes they raise get answered).
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace svc {

struct Row {
    QString day = QStringLiteral("2026-03-10");
    QString start = QStringLiteral("08:30");
    QString dur = QStringLiteral("01:00");
    qint64 mezzo = 0, autista = 0, v1 = 0, v2 = 0, v3 = 0;
    QString conv = QStringLiteral("N");
    QString cognome = QStringLiteral("Bianchi");
    QString tipo = QStringLiteral("");
};

inline QString sqlText(const QString &s)
{
    if (s.isNull()) return QStringLiteral("NULL");
    return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// Stores a service and returns its key.
inline qint64 addService(const Row &r)
{
    vlmtest::TestDb::exec(
        QStringLiteral("insert into servizi(dataservizio,orariopartenza,durata,Idmezzo,IdAutista,IdVolontario1,"
                       "IdVolontario2,IdVolontario3,convenzione,cognomepz,tipomezzo) values(%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11)")
            .arg(sqlText(r.day), sqlText(r.start), sqlText(r.dur))
            .arg(r.mezzo).arg(r.autista).arg(r.v1).arg(r.v2).arg(r.v3)
            .arg(sqlText(r.conv), sqlText(r.cognome), sqlText(r.tipo)));
    return vlmtest::TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

inline QString today(int offset = 0) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("yyyy-MM-dd")); }

inline QPushButton *button(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == text) return b;
    return nullptr;
}

// Opens the drop-down's list (which fills it) and chooses the item as a user does.
inline bool pick(QComboBox *c, const QString &text)
{
    c->showPopup();
    const int i = c->findText(text);
    if (i < 0) {
        c->hidePopup();
        return false;
    }
    QAbstractItemView *v = c->view();
    v->setCurrentIndex(c->model()->index(i, 0));
    QTest::keyClick(v, Qt::Key_Return);
    return c->currentText() == text;
}

// The items the drop-down offers once its list is opened.
inline QStringList itemsOf(QComboBox *c, bool open = true)
{
    if (open) {
        c->showPopup();
        c->hidePopup();
    }
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

// Registers a step for the dialog with this name: it runs once, from its own timer, after
// the dialog's modal loop has started.
inline void onShown(vlmtest::Answerer &a, const QString &name, std::function<void(QWidget *)> fn)
{
    auto done = std::make_shared<bool>(false);
    a.onDialog(
        name,
        [done, fn](QWidget *w) {
            if (*done) return;
            *done = true;
            QTimer::singleShot(0, w, [fn, w] { fn(w); });
        },
        true);
}

}  // namespace svc
