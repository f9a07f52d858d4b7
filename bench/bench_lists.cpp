// List-refresh benchmark: ten years of a branch's data (bench/generate.sql), then the
// reloads a desk user triggers all day, timed through the real windows.
#include "platform/Db.h"
#include "platform/SqlScript.h"
#include "services/RisorsaLibera.h"
#include "services/TFoElenco.h"
#include "services/Controls.h"
#include "services/TFoServizio.h"
#include "platform/GridTable.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

using vlmtest::TestDb;

static double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

template <typename Fn>
static void measure(const char *what, int runs, Fn fn, const std::function<QString()> &extraFn = {})
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        ms << t.nsecsElapsed() / 1e6;
    }
    const QString extra = extraFn ? extraFn() : QString();
    std::printf("%-48s median %8.1f ms  (min %.1f, max %.1f, %d runs) %s\n", what, median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()), runs,
                qPrintable(extra));
    std::fflush(stdout);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bench_lists"));
    TestDb::initProgram();
    QFile gen(QStringLiteral(VLM_SOURCE_DIR "/bench/generate.sql"));
    gen.open(QIODevice::ReadOnly);
    QElapsedTimer t;
    t.start();
    vlm::runSqlScript(QStringLiteral("TEST"), QString::fromUtf8(gen.readAll()));
    std::printf("data: %lld services, %lld people, %lld vehicles, generated in %.1f s\n",
                TestDb::count(QStringLiteral("servizi")), TestDb::count(QStringLiteral("volontari")),
                TestDb::count(QStringLiteral("mezzi")), t.elapsed() / 1000.0);

    measure("query alone: past sanitary services, every column", 3, [] {
        vlm::Query q(QStringLiteral("Db2"));
        q.add(QStringLiteral("select * from servizic where Convenzione !='S' and dataservizio < current_date() order by dataservizio,orariopartenza"));
        q.open();
    });
    vlmtest::Answerer answers;  // warnings of the resource check are answered with OK
    {
        TFoElenco e;
        e.resize(1000, 700);
        e.CheckBox2->setCheckState(Qt::Unchecked);
        e.CheckBox1->setCheckState(Qt::Unchecked);
        measure("services list, coming sanitary services", 7, [&] { e.CarElenco(); },
                [&] { return QStringLiteral("%1 rows").arg(e.table()->rowCount()); });
        e.CheckBox1->setCheckState(Qt::Checked);
        measure("services list, past sanitary services", 5, [&] { e.CarElenco(); },
                [&] { return QStringLiteral("%1 rows").arg(e.table()->rowCount()); });
        e.CheckBox2->setCheckState(Qt::PartiallyChecked);
        e.CheckBox1->setCheckState(Qt::PartiallyChecked);
        measure("services list, every service", 5, [&] { e.CarElenco(); },
                [&] { return QStringLiteral("%1 rows").arg(e.table()->rowCount()); });
        // A search typed key by key: every keystroke reloads.
        measure("services list, search typed 'Gallo' (5 reloads)", 3, [&] {
            e.Edit1->clear();
            for (const QChar c : QStringLiteral("Gallo")) e.Edit1->setText(e.Edit1->text() + c);
        }, [&] { return QStringLiteral("%1 rows").arg(e.table()->rowCount()); });
        e.CheckBox1->setCheckState(Qt::Unchecked);
        e.Edit1->clear();
        measure("services list, search 'Gallo' in coming services", 5, [&] { e.Edit1->setText(QStringLiteral("Gallo")); e.CarElenco(); },
                [&] { return QStringLiteral("%1 rows").arg(e.table()->rowCount()); });
    }
    const QString person = TestDb::scalar(QStringLiteral("select Nome from volontari order by ID limit 100,1")).toString();
    const QString vehicle = TestDb::scalar(QStringLiteral("select Siglamezzo from mezzi order by ID limit 3,1")).toString();
    const QString day = QDate::currentDate().addDays(-200).toString(QStringLiteral("dd/MM/yyyy"));
    measure("resource check, person", 20, [&] {
        vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("V"), person, {day, QStringLiteral("09:00"), QStringLiteral("01:00"), 0});
    });
    measure("resource check, vehicle", 20, [&] {
        vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("M"), vehicle, {day, QStringLiteral("09:00"), QStringLiteral("01:00"), 0});
    });
    const qint64 id = TestDb::scalar(QStringLiteral("select max(ID) from servizi where dataservizio < current_date")).toLongLong();
    measure("service editor, open a stored service", 5, [&] {
        TFoServizio f;
        f.setId(id);
        f.FormShow();
    });
    std::printf("warnings answered: %lld\n", qint64(answers.messages().size()));
    TestDb::dropProgram();
    return 0;
}
