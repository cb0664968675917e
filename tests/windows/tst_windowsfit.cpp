#include "WindowWalk.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

namespace {

// Why a control's text does not fit its room, or an empty string when it does.
QString Misfit(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QSize least = label->minimumSizeHint();
        if (label->wordWrap()) {
            if (least.width() > label->width())
                return QStringLiteral("a word is wider than the label");
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("the lines are higher than the label");
        } else if (least.width() > label->width() || least.height() > label->height()) {
            return QStringLiteral("the text is larger than the label");
        }
        return {};
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->text().isEmpty())
        return {};
    const QFontMetrics fm = button->fontMetrics();
    const QSize text = fm.size(Qt::TextShowMnemonic, button->text());
    const QRect room = button->contentsRect();
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
        if (check->sizeHint().width() > room.width())
            return QStringLiteral("the check box's text is cut");
    } else if (auto* tool = qobject_cast<QToolButton*>(button)) {
        const bool under = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
        const int height = text.height() + (under ? tool->iconSize().height() : 0);
        if (text.width() + 4 > room.width() || height > room.height())
            return QStringLiteral("the caption is cut");
    } else if (text.width() + 8 > room.width() || text.height() + 2 > room.height()) {
        // A caption needs a few pixels on either side, clear of the button's frame.
        return QStringLiteral("the caption touches the frame");
    }
    return {};
}

// A plain frame or line drawn around or between controls, not a control of its own.
bool IsDecoration(const QWidget* w)
{
    return w->metaObject() == &QFrame::staticMetaObject;
}

// The design itself lays a few neighbours 15 twips, one pixel, over each other: the toolbar's
// buttons (855 twips wide, 840 apart) and the quiz heading forhorru with the labels and the first
// row around it. They may share that one pixel and no more.
bool DesignedOverlap(const QWidget* a, const QWidget* b)
{
    const QRect shared = a->geometry().intersected(b->geometry());
    if (shared.width() > 1 && shared.height() > 1)
        return false;
    if (a->parentWidget()->objectName() == u"pnlToolbar")
        return true;
    const auto heading = [](const QWidget* w, const QWidget* other) {
        static const QStringList around{QStringLiteral("l2visa"), QStringLiteral("l1visa"),
                                        QStringLiteral("v0"), QStringLiteral("t0")};
        return w->objectName() == u"forhorru" && around.contains(other->objectName());
    };
    return heading(a, b) || heading(b, a);
}

} // namespace

class WindowsFitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textsHaveRoomAndNothingOverlaps_data();
    void textsHaveRoomAndNothingOverlaps();
    void optionsKeepTheirDesignAtTheDesignFont();
};

void WindowsFitTest::textsHaveRoomAndNothingOverlaps_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    const QFont standard = QApplication::font();
    for (const char* ui : {"sve", "eng", "fin"}) {
        for (const QString& window : WindowWalk::Names()) {
            QTest::addRow("%s %s default", ui, qPrintable(window))
                << QString::fromLatin1(ui) << window << QString() << 0;
            QTest::addRow("%s %s 12 pt", ui, qPrintable(window))
                << QString::fromLatin1(ui) << window << standard.family() << 12;
            QTest::addRow("%s %s DejaVu Sans 11", ui, qPrintable(window))
                << QString::fromLatin1(ui) << window << QStringLiteral("DejaVu Sans") << 11;
        }
    }
}

void WindowsFitTest::textsHaveRoomAndNothingOverlaps()
{
    QFETCH(QString, ui);
    QFETCH(QString, window);
    QFETCH(QString, family);
    QFETCH(int, points);
    const QFont standard = QApplication::font();
    if (points > 0)
        QApplication::setFont(QFont(family, points));
    const auto restore = qScopeGuard([&] { QApplication::setFont(standard); });

    WindowWalk walk(ui);
    int texts = 0;
    QStringList problems;
    const bool visited = walk.visit(window, [&](QWidget* top) {
        const QList<QWidget*> shown = VisibleWidgets(top);
        for (QWidget* w : shown) {
            if (const QString misfit = Misfit(w); !misfit.isEmpty())
                problems.append(Where(w) + QStringLiteral(": ") + misfit);
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                ++texts;
            // Siblings lie side by side; none covers another.
            for (QWidget* other : shown) {
                if (other == w || other->parentWidget() != w->parentWidget() || w == top ||
                    other == top || IsDecoration(w) || IsDecoration(other) ||
                    DesignedOverlap(w, other))
                    continue;
                if (w->geometry().intersects(other->geometry()))
                    problems.append(Where(w) + QStringLiteral(" overlaps ") + Where(other));
            }
        }
    });
    QVERIFY(visited);
    QVERIFY(texts > 0);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void WindowsFitTest::optionsKeepTheirDesignAtTheDesignFont()
{
    // At 96 dpi the options dialog keeps the design's places (twips / 15 are pixels) but for two
    // pixels between each caption and its box or list; the font column is wider, since
    // "Återställ" in this font needs more than the design's 57.
    WindowWalk walk(QStringLiteral("sve"));
    const bool visited = walk.visit(QStringLiteral("options"), [](QWidget* dialog) {
        QCOMPARE(dialog->height(), 324);
        QVERIFY(dialog->width() >= 350);
        const auto at = [&](const char* name) {
            return dialog->findChild<QWidget*>(QLatin1String(name))->geometry();
        };
        QCOMPARE(at("la1"), QRect(8, 42, 89, 160));
        QCOMPARE(at("nys2"), QRect(104, 222, 89, 19));
        QCOMPARE(at("tb1"), QRect(8, 246, 89, 25));
        QCOMPARE(at("txtFont1").topLeft(), QPoint(208, 42));
        QVERIFY(at("txtFont1").width() >= 129);
        QCOMPARE(at("cmdFont1"), QRect(208, 74, 65, 25));
        QCOMPARE(at("cmdAterstall2").topLeft(), QPoint(280, 180));
        QCOMPARE(at("imgPSprak0").topLeft(), QPoint(208, 244));
        QCOMPARE(at("imgPSprak2").topLeft(), QPoint(304, 244));
        QCOMPARE(at("lokb"), QRect(96, 291, 73, 25));
        QCOMPARE(at("lavbb"), QRect(176, 291, 73, 25));
    });
    QVERIFY(visited);
}

QTEST_MAIN(WindowsFitTest)
#include "tst_windowsfit.moc"
