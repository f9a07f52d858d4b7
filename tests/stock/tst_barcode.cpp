// Scanned package codes: the EAN, the date and the lot cut out of GS1 element strings as
// a barcode reader types them, including the forms a reader really sends.
#include "stock/Barcode.h"

#include <QtTest>

namespace {
const QString GS = QString(QChar(0x1D));
const QString trade = QStringLiteral("0108034567890127");  // element 01, EAN 8034567890127
const QString ean = QStringLiteral("8034567890127");
}  // namespace

class TstBarcode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pieces_data();
    void pieces();
};

void TstBarcode::pieces_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("ean");
    QTest::addColumn<QString>("scadenza");
    QTest::addColumn<QString>("lotto");

    // Element order 01, 17 or 11, 10.
    QTest::newRow("expiry and lot") << QStringLiteral("01080345678901271725053110L123") << ean
                                    << QStringLiteral("31/05/2025") << QStringLiteral("L123");
    QTest::newRow("expiry day 00 is the 28th") << trade + QStringLiteral("172506001007A") << ean
                                               << QStringLiteral("28/06/2025") << QStringLiteral("07A");
    QTest::newRow("production date: a hundred years on") << trade + QStringLiteral("112301151055-X") << ean
                                                          << QStringLiteral("15/01/2123") << QStringLiteral("55-X");
    QTest::newRow("production day 00 stays") << trade + QStringLiteral("1123010010B") << ean
                                              << QStringLiteral("00/01/2123") << QStringLiteral("B");
    QTest::newRow("best-before date: no expiry, lot found") << trade + QStringLiteral("1526123110LX9") << ean
                                                            << QString() << QStringLiteral("LX9");
    QTest::newRow("lot with blanks and lower case as sent") << trade + QStringLiteral("1727013110ab 12") << ean
                                                            << QStringLiteral("31/01/2027") << QStringLiteral("ab 12");

    // Not a package code this reader knows.
    QTest::newRow("trade item number not starting 0") << QStringLiteral("01180345678901271725053110L123") << QString()
                                                      << QString() << QString();
    QTest::newRow("starts with another element") << QStringLiteral("10L12317250531010803456789012") << QString()
                                                 << QString() << QString();
    QTest::newRow("symbology prefix ]C1") << QStringLiteral("]C101080345678901271725053110L123") << QString()
                                          << QString() << QString();
    QTest::newRow("leading group separator") << GS + QStringLiteral("01080345678901271725053110L123") << QString()
                                             << QString() << QString();
    QTest::newRow("plain EAN-13 typed") << QStringLiteral("8034567890127") << QString() << QString() << QString();

    // Third element not the lot.
    QTest::newRow("11 then 17: no lot") << trade + QStringLiteral("11230115172505311099") << ean
                                        << QStringLiteral("15/01/2123") << QString();
    QTest::newRow("17 then serial 21: no lot") << trade + QStringLiteral("1725053121SER1") << ean
                                               << QStringLiteral("31/05/2025") << QString();

    // What follows the lot.
    QTest::newRow("lot then serial, no separator: part of the lot")
        << trade + QStringLiteral("1725053110L12321SER") << ean << QStringLiteral("31/05/2025") << QStringLiteral("L12321SER");
    QTest::newRow("lot ended by group separator") << trade + QStringLiteral("1725053110L123") + GS + QStringLiteral("21SER")
                                                  << ean << QStringLiteral("31/05/2025") << QStringLiteral("L123");
    QTest::newRow("separator right after the lot element") << trade + QStringLiteral("1725053110") + GS + QStringLiteral("21SER")
                                                           << ean << QStringLiteral("31/05/2025") << QString();

    // Lot before the date, as many packages print it.
    QTest::newRow("01 10 GS 17") << trade + QStringLiteral("10L123") + GS + QStringLiteral("17250531") << ean << QString()
                                 << QString();
    QTest::newRow("01 10 17, separator dropped") << trade + QStringLiteral("10L12317250531") << ean << QString() << QString();
    QTest::newRow("01 10 with 10 inside the lot") << trade + QStringLiteral("10ABCDEF10XYZ") << ean << QString() << QString();

    // Short texts.
    QTest::newRow("empty") << QString() << QString() << QString() << QString();
    QTest::newRow("just 010") << QStringLiteral("010") << QString() << QString() << QString();
    QTest::newRow("cut inside the EAN") << QStringLiteral("0108034567") << QStringLiteral("8034567") << QString() << QString();
    QTest::newRow("cut inside the date") << QStringLiteral("01080345678901271725") << ean << QString() << QString();
    QTest::newRow("cut after the date") << trade + QStringLiteral("17250531") << ean << QStringLiteral("31/05/2025") << QString();
    QTest::newRow("lot element without lot") << trade + QStringLiteral("1725053110") << ean << QStringLiteral("31/05/2025")
                                             << QString();
}

void TstBarcode::pieces()
{
    QFETCH(QString, code);
    QFETCH(QString, ean);
    QFETCH(QString, scadenza);
    QFETCH(QString, lotto);
    QCOMPARE(vlm::EanDaCodice(code), ean);
    QCOMPARE(vlm::ScadenzaDaCodice(code), scadenza);
    QCOMPARE(vlm::LottoDaCodice(code), lotto);
}

QTEST_MAIN(TstBarcode)
#include "tst_barcode.moc"
