// The baselines of the start-up benchmark: a bare Qt window of triangle30's size and colour,
// and with --text the same window showing one line of text in the default font.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(499, 351);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("Триъгълник"), &window);
        label->setGeometry(24, 0, 457, 25);
    }
    window.show();
    return QApplication::exec();
}
