// A click on "Изчисли" until the report is in the result box, as Qt Test measures it.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "main_form.h"

class ClickBench : public QObject {
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
        MainForm form(QStringLiteral(","));
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(option)),
                          Qt::LeftButton);
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("Text2_0")), input);
        auto* calculate = form.findChild<QPushButton*>(QStringLiteral("Command1_0"));
        auto* box = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1_0"));
        QBENCHMARK {
            box->clear();
            QTest::mouseClick(calculate, Qt::LeftButton);
            QCoreApplication::processEvents();  // the box repaints with the report
        }
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("Катет BC = ")));
    }
};

QTEST_MAIN(ClickBench)
#include "click_bench.moc"
