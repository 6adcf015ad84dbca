#include "ipsettings.h"

#include <QtTest>

using namespace veritabula;

class IpSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadIpSettingsLines_data();
    void shouldReadIpSettingsLines();
};

void IpSettingsTest::shouldReadIpSettingsLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addRow("address only") << QByteArray("ip=192.168.0.5\r\n") << "192.168.0.5"
                                  << "";
    QTest::addRow("LF, no last line end") << QByteArray("ip=10.0.0.1\nport=49003") << "10.0.0.1"
                                          << "49003";
    QTest::addRow("lone CR dropped") << QByteArray("ip=10.0.\r0.1\nport=49\r003\r") << "10.0.0.1"
                                     << "49003";
    QTest::addRow("capital or space first") << QByteArray("IP=1.1.1.1\n port=2\n") << ""
                                            << "";
    QTest::addRow("skipped characters are any") << QByteArray("iXY1.2.3.4\npABCD77") << "1.2.3.4"
                                                << "77";
    QTest::addRow("spaces kept") << QByteArray("ip= 1.2.3.4 \nport=49003 ") << " 1.2.3.4 "
                                 << "49003 ";
    QTest::addRow("short i lines empty the address") << QByteArray("ip=1.2.3.4\ni\nip=") << ""
                                                     << "";
    QTest::addRow("later lines win")
        << QByteArray("ip=1.1.1.1\nport=1\nip=2.2.2.2\nport=2\n") << "2.2.2.2"
        << "2";
    QTest::addRow("one line sets both") << QByteArray("i: port=49003") << "port=49003"
                                        << "49003";
    QTest::addRow("Windows-1251") << QByteArray("ip=\xd1\xe5\xf0\xe2\xe5\xf0") << "Сервер"
                                  << "";
}

void IpSettingsTest::shouldReadIpSettingsLines()
{
    QFETCH(QByteArray, file);
    const IpSettings settings = parseIpSettings(file);
    QTEST(settings.address, "address");
    QTEST(settings.port, "port");
}

QTEST_APPLESS_MAIN(IpSettingsTest)
#include "tst_ipsettings.moc"
