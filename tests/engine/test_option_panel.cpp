#include "option_panel.h"

#include <QTest>

class TestOptionPanel : public QObject {
    Q_OBJECT
private slots:
    void startValues()
    {
        const OptionPanel o;
        QCOMPARE(o.pattern, QStringLiteral("{name}"));
        QCOMPARE(o.conflict, 2);
        QCOMPARE(o.digits, QStringLiteral("3"));
    }
};

QTEST_GUILESS_MAIN(TestOptionPanel)
#include "test_option_panel.moc"
