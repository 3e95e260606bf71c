// A click on "Изчисли" until the report is in the result box, as Qt Test measures it.
#include <QTest>

#include "window_fixture.h"

class ClickBench : public QObject, public WindowFixture {
    Q_OBJECT

  private slots:
    void calculateClick_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("input");
        QTest::newRow("leg AC 2.5") << 1 << "2.5";
        QTest::newRow("bisector 1") << 5 << "1";
    }

    void calculateClick() {
        QFETCH(int, option);
        QFETCH(QString, input);
        QVERIFY(OpenWindow());
        QTest::mouseClick(Option(option), Qt::LeftButton);
        QTest::keyClicks(Input(), input);
        QBENCHMARK {
            ResultBox()->clear();
            ClickCalculate();
            QCoreApplication::processEvents();  // the box repaints with the report
        }
        QVERIFY(ResultBox()->toPlainText().startsWith(QStringLiteral("Катет BC = ")));
    }
};

QTEST_MAIN(ClickBench)
#include "click_bench.moc"
