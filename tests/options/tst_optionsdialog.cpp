#include "FakePrompter.h"
#include "FlagPicture.h"
#include "LanguageLists.h"
#include "OptionsDialog.h"
#include "OutlineShape.h"
#include "ProgramSettings.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

// The main window's side of the dialog: the two language boxes and what OK asks of it.
struct Fixture
{
    explicit Fixture(const QString& ui)
    {
        settings.uiLanguage = ui;
        InstallInterfaceTranslator(ui);
        lang1->setEditable(true);
        lang2->setEditable(true);
        LoadLanguageLists(lang1, lang2, QStringLiteral("One"), QStringLiteral("Two"), ui);
    }
    ~Fixture() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    std::unique_ptr<OptionsDialog> open()
    {
        auto dialog = std::make_unique<OptionsDialog>(
            settings, prompter, &mainWindow,
            [this] {
                steps.append(QStringLiteral("reload"));
                LoadLanguageLists(lang1, lang2, lang1->currentText(), lang2->currentText(),
                                  settings.uiLanguage);
            },
            [this] {
                steps.append(QStringLiteral("fonts ") + Settings::ReadSetting(Keys::Font1Size) +
                             u' ' + Settings::ReadSetting(Keys::Font2Size));
            });
        dialog->show();
        return dialog;
    }

    TestSettings files;
    ProgramSettings settings;
    FakePrompter prompter;
    QWidget mainWindow;
    QComboBox* lang1 = new QComboBox(&mainWindow);
    QComboBox* lang2 = new QComboBox(&mainWindow);
    QStringList steps;
};

template <typename T> T* Child(QWidget* dialog, const QString& name)
{
    T* child = dialog->findChild<T*>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

void Click(QWidget* dialog, const QString& name)
{
    QTest::mouseClick(Child<QWidget>(dialog, name), Qt::LeftButton);
}

void ClickEntry(QWidget* dialog, const QString& list, int row)
{
    auto* box = Child<QListWidget>(dialog, list);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                      box->visualItemRect(box->item(row)).center());
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

int ShownOutline(QWidget* dialog)
{
    int shown = -1;
    for (int i = 0; i < 3; ++i) {
        if (!Child<QWidget>(dialog, QStringLiteral("shpPSprak%1").arg(i))->isHidden()) {
            if (shown >= 0)
                return -2; // more than one
            shown = i;
        }
    }
    return shown;
}

QFont Font(const QString& family, qreal points)
{
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionsInEachLanguage_data();
    void captionsInEachLanguage();
    void listColumnsShareOneGrid_data();
    void listColumnsShareOneGrid();
    void enterAddsEvenEmptyText();
    void removingEveryEntryStoresMinusOne();
    void removeWaitsForAPick();
    void oneEntryListSurvives();
    void okStoresInOrder();
    void flags_data();
    void flags();
    void flagsDrawnPixelExact_data();
    void flagsDrawnPixelExact();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void fontSizesRoundHalfToEven_data();
    void fontSizesRoundHalfToEven();
    void cancelledFontDialogLeavesDesignFont();
    void realFontChooser();
};

void OptionsDialogTest::captionsInEachLanguage_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QStringList>(
        "captions"); // title, lblLS, tb2, lblFont1, txtFont1, cmdAterstall2, lblPS, lavbb
    QTest::newRow("sve") << "sve"
                         << QStringList{
                                "Inställningar",      "Språk som du ska lära dig:",
                                "Ta &bort",           "Typsnitt för språken som du ska lära dig:",
                                "Exempel: AaBbCc",    "Återstä&ll",
                                "Programmets språk:", "&Avbryt"};
    QTest::newRow("eng") << "eng"
                         << QStringList{"Options",
                                        "Languages which you are learning:",
                                        "R&emove",
                                        "The font for the languages which you are learning:",
                                        "Example: AaBbCc",
                                        "Res&tore",
                                        "The language of the program:",
                                        "&Cancel"};
    QTest::newRow("fin") << "fin"
                         << QStringList{"Asetukset",         "Kielet joita opettelet:",
                                        "P&oista",           "Fontti kiellille joita opettelet:",
                                        "Esimerkki: AaBbCc", "Ta&vallinen",
                                        "Ohjelman kieli:",   "&Peruuta"};
}

void OptionsDialogTest::captionsInEachLanguage()
{
    QFETCH(QString, ui);
    QFETCH(QStringList, captions);
    Fixture f(ui);
    auto dialog = f.open();
    const QStringList shown{
        dialog->windowTitle(),
        Child<QLabel>(dialog.get(), "lblLS")->text(),
        Child<QPushButton>(dialog.get(), "tb2")->text(),
        Child<QLabel>(dialog.get(), "lblFont1")->text(),
        Child<QLineEdit>(dialog.get(), "txtFont1")->text(),
        Child<QPushButton>(dialog.get(), "cmdAterstall2")->text(),
        Child<QLabel>(dialog.get(), "lblPS")->text(),
        Child<QPushButton>(dialog.get(), "lavbb")->text(),
    };
    QCOMPARE(shown, captions);
    QCOMPARE(Child<QPushButton>(dialog.get(), "lokb")->text(), QStringLiteral("&OK"));
    // The design's size is the smallest; longer captions widen or heighten the dialog.
    QVERIFY(dialog->width() >= 350 && dialog->height() >= 313);
    QCOMPARE(ShownOutline(dialog.get()), OptionsDialog::FlagIndex(ui));
    QVERIFY(!Child<QPushButton>(dialog.get(), "tb1")->isEnabled());
    QVERIFY(!Child<QPushButton>(dialog.get(), "tb2")->isEnabled());
}

void OptionsDialogTest::listColumnsShareOneGrid_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<double>("scale"); // of the desktop's font
    for (const char* ui : {"sve", "eng", "fin"}) {
        QTest::addRow("%s", ui) << QString::fromLatin1(ui) << 1.0;
        QTest::addRow("%s, font 25 %% larger", ui) << QString::fromLatin1(ui) << 1.25;
    }
}

// Run once more with QT_FONT_DPI=120 (see CMakeLists.txt).
void OptionsDialogTest::listColumnsShareOneGrid()
{
    QFETCH(QString, ui);
    QFETCH(double, scale);
    const QFont desktop = QApplication::font();
    QFont larger = desktop;
    larger.setPointSizeF(desktop.pointSizeF() * scale);
    QApplication::setFont(larger);
    const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });

    Fixture f(ui);
    f.settings.font1Name = QStringLiteral("DejaVu Sans");
    f.settings.font1Size = 12;
    f.settings.font2Name = QStringLiteral("DejaVu Serif");
    f.settings.font2Size = 8;
    auto dialog = f.open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const auto at = [&](const char* name) {
        return Child<QWidget>(dialog.get(), QLatin1String(name))->geometry();
    };

    // Both columns' rows start at one height: captions, lists, boxes and buttons.
    for (const auto& [left, right] :
         {std::pair{"lblLS", "lblKS"}, std::pair{"la1", "la2"}, std::pair{"lblN1", "lblN2"},
          std::pair{"nys1", "nys2"}, std::pair{"tb1", "tb2"}}) {
        QVERIFY2(at(left).top() == at(right).top(), qPrintable(QStringLiteral("%1 at %2, %3 at %4")
                                                                   .arg(QLatin1String(left))
                                                                   .arg(at(left).top())
                                                                   .arg(QLatin1String(right))
                                                                   .arg(at(right).top())));
        QCOMPARE(at(left).height(), at(right).height());
    }

    // Two pixels at least between a caption and the box it names, and the list above it.
    for (const auto& [upper, lower] :
         {std::pair{"lblLS", "la1"}, std::pair{"lblKS", "la2"}, std::pair{"la1", "lblN1"},
          std::pair{"la2", "lblN2"}, std::pair{"lblN1", "nys1"}, std::pair{"lblN2", "nys2"},
          std::pair{"lblFont1", "txtFont1"}, std::pair{"lblFont2", "txtFont2"}}) {
        const int gap = at(lower).top() - at(upper).bottom() - 1;
        QVERIFY2(gap >= 2, qPrintable(QStringLiteral("%1 to %2: %3 px")
                                          .arg(QLatin1String(upper), QLatin1String(lower))
                                          .arg(gap)));
    }

    // The samples show their whole text at the chosen size, unscrolled.
    for (const char* name : {"txtFont1", "txtFont2"}) {
        auto* sample = Child<QLineEdit>(dialog.get(), QLatin1String(name));
        sample->clearFocus();
        sample->setCursorPosition(sample->text().size());
        sample->grab(); // lays out the text as it is painted
        // The end is in view without the start scrolling out of it.
        QVERIFY2(sample->cursorPositionAt(QPoint(sample->width() - 4, sample->height() / 2)) ==
                     sample->text().size(),
                 name);
        QVERIFY2(sample->cursorPositionAt(QPoint(4, sample->height() / 2)) == 0, name);
    }
}

void OptionsDialogTest::enterAddsEvenEmptyText()
{
    Fixture f(QStringLiteral("eng"));
    auto dialog = f.open();
    auto* nys1 = Child<QLineEdit>(dialog.get(), "nys1");
    auto* la1 = Child<QListWidget>(dialog.get(), "la1");
    QCOMPARE(la1->count(), 7);

    QTest::keyClick(nys1, Qt::Key_Return);
    QTest::keyClicks(nys1, "German");
    QTest::keyClick(nys1, Qt::Key_Enter);
    QCOMPARE(la1->count(), 9);
    QCOMPARE(la1->item(7)->text(), QString());
    QCOMPARE(la1->item(8)->text(), QStringLiteral("German")); // a duplicate is kept
    QCOMPARE(nys1->text(), QString());
    QVERIFY2(dialog->isVisible(), "Enter must not reach the dialog's buttons");

    Click(dialog.get(), "lokb");
    QCOMPARE(Settings::ReadSetting(QStringLiteral("Language1"), QStringLiteral("Number"), {}),
             QStringLiteral("8"));
    QCOMPARE(Items(f.lang1).mid(7), (QStringList{QString(), QStringLiteral("German")}));
}

void OptionsDialogTest::removingEveryEntryStoresMinusOne()
{
    Fixture f(QStringLiteral("sve"));
    auto dialog = f.open();
    auto* tb2 = Child<QPushButton>(dialog.get(), "tb2");
    auto* la2 = Child<QListWidget>(dialog.get(), "la2");
    ClickEntry(dialog.get(), "la2", 3);
    QVERIFY(tb2->isEnabled());
    Click(dialog.get(), "tb2");
    QCOMPARE(la2->count(), 6);
    QVERIFY(la2->findItems(QStringLiteral("Finska"), Qt::MatchExactly).isEmpty());
    QVERIFY(!tb2->isEnabled());
    while (la2->count() > 0) {
        ClickEntry(dialog.get(), "la2", 0);
        Click(dialog.get(), "tb2");
    }
    Click(dialog.get(), "lokb");

    QCOMPARE(Settings::ReadSetting(QStringLiteral("Språk2"), QStringLiteral("Antal"), {}),
             QStringLiteral("-1"));
    QCOMPARE(f.lang2->count(), 0);
    QCOMPARE(f.lang2->currentText(), QStringLiteral("Two"));
    QCOMPARE(f.lang1->count(), 7);
    auto again = f.open();
    QCOMPARE(Child<QListWidget>(again.get(), "la2")->count(), 0);
}

void OptionsDialogTest::removeWaitsForAPick()
{
    Fixture f(QStringLiteral("eng"));
    auto dialog = f.open();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* la1 = Child<QListWidget>(dialog.get(), "la1");
    auto* tb1 = Child<QPushButton>(dialog.get(), "tb1");
    la1->setFocus(Qt::TabFocusReason); // the list's first row becomes current, unselected
    QVERIFY(!tb1->isEnabled());
    QTest::keyClick(la1, Qt::Key_Down);
    QVERIFY(tb1->isEnabled());
    Click(dialog.get(), "tb1");
    QCOMPARE(la1->count(), 6);
}

void OptionsDialogTest::oneEntryListSurvives()
{
    Fixture f(QStringLiteral("fin"));
    auto dialog = f.open();
    for (int i = 0; i < 6; ++i) {
        ClickEntry(dialog.get(), "la1", 1);
        Click(dialog.get(), "tb1");
    }
    Click(dialog.get(), "lokb");

    QCOMPARE(Items(f.lang1), QStringList{QStringLiteral("Englanti")});
    LoadLanguageLists(f.lang1, f.lang2, {}, {}, QStringLiteral("fin"));
    QCOMPARE(Items(f.lang1), QStringList{QStringLiteral("Englanti")});
    auto again = f.open();
    QCOMPARE(Child<QListWidget>(again.get(), "la1")->count(), 1);
}

void OptionsDialogTest::okStoresInOrder()
{
    Fixture f(QStringLiteral("eng"));
    auto dialog = f.open();
    f.prompter.fontAnswers.enqueue(Font(QStringLiteral("DejaVu Serif"), 12));
    Click(dialog.get(), "cmdFont2");
    Click(dialog.get(), "imgPSprak1");
    Click(dialog.get(), "lokb");

    // The lists reach the main window before the fonts are written, the fonts before the
    // word boxes are reset, and the notice comes last.
    QCOMPARE(f.steps, (QStringList{QStringLiteral("reload"), QStringLiteral("fonts 8 12")}));
    QCOMPARE(f.settings.font1Name, QStringLiteral("MS Sans Serif"));
    QCOMPARE(f.settings.font2Name, QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.settings.font2Size, 12);
    QCOMPARE(Settings::ReadSetting(Keys::Font2Name), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Settings::ReadSetting(Keys::Font1Name), QStringLiteral("MS Sans Serif"));
    QCOMPARE(Settings::ReadSetting(Keys::PrgLanguage), QStringLiteral("sve"));
    QCOMPARE(f.settings.uiLanguage, QStringLiteral("eng"));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
}

void OptionsDialogTest::flags_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("current flag") << "sve" << QList<int>{1} << QString() << QString() << QString();
    QTest::newRow("another, then current")
        << "fin" << QList<int>{0, 1, 2} << QString() << QString() << QString();
    QTest::newRow("English chooses Finnish")
        << "eng" << QList<int>{2} << "fin"
        << "The language for the program"
        << "To use the new language for the program, click on Ok here, exit the program and "
           "restart it.";
    QTest::newRow("Swedish chooses English")
        << "sve" << QList<int>{0} << "eng"
        << "Programmets språk"
        << "För att programmet ska använda det nya språket, avsluta det efter att du klickat på "
           "OK här och starta om det.";
    QTest::newRow("Finnish chooses Swedish")
        << "fin" << QList<int>{1} << "sve"
        << "Ohjelman kieli"
        << "Olet vaihtanut ohjelman kielen, lopeta ohjelma kun olet painanut ok:ta ja käynnistä "
           "se uudelleen.";
}

void OptionsDialogTest::flags()
{
    QFETCH(QString, ui);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, stored);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Fixture f(ui);
    auto dialog = f.open();
    for (int i : clicks) {
        Click(dialog.get(), QStringLiteral("imgPSprak%1").arg(i));
        QCOMPARE(ShownOutline(dialog.get()), i);
        QCOMPARE(dialog->pendingLanguage(), OptionsDialog::FlagLanguage(i));
    }
    Click(dialog.get(), "lokb");

    QCOMPARE(Settings::ReadSetting(QStringLiteral("Options"), QStringLiteral("PrgLanguage"),
                                   QStringLiteral("(none)")),
             stored.isEmpty() ? QStringLiteral("(none)") : stored);
    QCOMPARE(f.prompter.messages.size(), stored.isEmpty() ? 0 : 1);
    if (!stored.isEmpty()) {
        QCOMPARE(f.prompter.messages[0].title, title);
        QCOMPARE(f.prompter.messages[0].text, text);
        QCOMPARE(f.prompter.messages[0].flags, 0x40);
    }
    QCOMPARE(f.settings.uiLanguage, ui);
}

void OptionsDialogTest::flagsDrawnPixelExact_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QPoint>("inField");
    QTest::addColumn<QColor>("field");
    QTest::addColumn<QColor>("cross");
    QTest::newRow("United Kingdom") << 0 << QPoint(6, 1) << QColor(0x012169) << QColor(0xC8102E);
    QTest::newRow("Sweden") << 1 << QPoint(3, 3) << QColor(0x006AA7) << QColor(0xFECC00);
    QTest::newRow("Finland") << 2 << QPoint(3, 3) << QColor(0xFFFFFF) << QColor(0x002F6C);
}

void OptionsDialogTest::flagsDrawnPixelExact()
{
    QFETCH(int, flag);
    QFETCH(QPoint, inField);
    QFETCH(QColor, field);
    QFETCH(QColor, cross);
    Fixture f(QStringLiteral("sve"));
    auto dialog = f.open();
    const auto* picture = Child<FlagPicture>(dialog.get(), QStringLiteral("imgPSprak%1").arg(flag));
    const QImage image = picture->picture().toImage();
    // The whole flag fills the 32 x 20 picture, its black edge included.
    const qreal ratio = picture->devicePixelRatioF();
    QCOMPARE(image.size(), QSize(32, 20) * ratio);
    const auto at = [&](int x, int y) {
        return image.pixelColor(int(x * ratio), int(y * ratio)).rgb();
    };
    QCOMPARE(at(0, 0), QColor(Qt::black).rgb());
    QCOMPARE(at(31, 19), QColor(Qt::black).rgb());
    QCOMPARE(at(inField.x(), inField.y()), field.rgb());
    QCOMPARE(at(12, 10), cross.rgb());
}

void OptionsDialogTest::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("close box") << true;
}

void OptionsDialogTest::cancelChangesNothing()
{
    QFETCH(bool, closeBox);
    Fixture f(QStringLiteral("sve"));
    const QByteArray before = f.files.iniBytes();
    const ProgramSettings old = f.settings;
    auto dialog = f.open();
    Click(dialog.get(), "imgPSprak2");
    ClickEntry(dialog.get(), "la1", 0);
    Click(dialog.get(), "tb1");
    QTest::keyClicks(Child<QLineEdit>(dialog.get(), "nys2"), "Latin");
    QTest::keyClick(Child<QLineEdit>(dialog.get(), "nys2"), Qt::Key_Return);
    f.prompter.fontAnswers.enqueue(Font(QStringLiteral("DejaVu Serif"), 11));
    Click(dialog.get(), "cmdFont1");
    if (closeBox)
        dialog->close();
    else
        Click(dialog.get(), "lavbb");

    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.files.iniBytes(), before);
    QVERIFY(f.steps.isEmpty());
    QVERIFY(f.prompter.messages.isEmpty());
    QCOMPARE(f.settings.font1Name, old.font1Name);
    QCOMPARE(f.settings.font1Size, old.font1Size);
    auto again = f.open();
    QCOMPARE(ShownOutline(again.get()), 1);
    QCOMPARE(again->pendingLanguage(), QStringLiteral("sve"));
    QCOMPARE(Child<QListWidget>(again.get(), "la1")->count(), 7);
}

void OptionsDialogTest::fontSizesRoundHalfToEven_data()
{
    QTest::addColumn<qreal>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::newRow("10.5") << 10.5 << "10";
    QTest::newRow("11.5") << 11.5 << "12";
    QTest::newRow("9.4") << 9.4 << "9";
}

void OptionsDialogTest::fontSizesRoundHalfToEven()
{
    QFETCH(qreal, chosen);
    QFETCH(QString, stored);
    Fixture f(QStringLiteral("fin"));
    auto dialog = f.open();
    f.prompter.fontAnswers.enqueue(Font(QStringLiteral("DejaVu Sans Mono"), chosen));
    Click(dialog.get(), "cmdFont1");
    QCOMPARE(f.prompter.dialogs.size(), 1);
    QCOMPARE(f.prompter.dialogs[0].fontTitle, QStringLiteral("Valitse fontti"));
    QCOMPARE(f.prompter.dialogs[0].minPoints, 8);
    QCOMPARE(f.prompter.dialogs[0].maxPoints, 12);
    Click(dialog.get(), "lokb");

    QCOMPARE(Settings::ReadSetting(Keys::Font1Size), stored);
    QCOMPARE(Settings::ReadSetting(Keys::Font1Name), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(f.settings.font1Size, stored.toInt());
}

void OptionsDialogTest::cancelledFontDialogLeavesDesignFont()
{
    Fixture f(QStringLiteral("eng"));
    f.settings.font2Name = QStringLiteral("DejaVu Serif");
    f.settings.font2Size = 12;
    auto dialog = f.open();
    auto* sample = Child<QLineEdit>(dialog.get(), "txtFont2");
    QCOMPARE(sample->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(sample->font().pointSize(), 12);

    Click(dialog.get(), "cmdFont2"); // the fake cancels
    QCOMPARE(f.prompter.dialogs.value(0).fontTitle, QStringLiteral("Choose font"));
    QCOMPARE(sample->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(sample->font().pointSizeF(), 8.25);
    // The design's height; the width is its column's, at least the design's.
    QCOMPARE(sample->height(), 19);
    QVERIFY(sample->width() >= 129);
    Click(dialog.get(), "lokb");
    QCOMPARE(Settings::ReadSetting(Keys::Font2Name), QStringLiteral("MS Sans Serif"));
    QCOMPARE(Settings::ReadSetting(Keys::Font2Size), QStringLiteral("8"));
}

void OptionsDialogTest::realFontChooser()
{
    Fixture f(QStringLiteral("sve"));
    DialogPrompter prompter(&f.mainWindow);
    OptionsDialog dialog(f.settings, prompter, &f.mainWindow, {}, {});
    dialog.show();

    QString title;
    QStringList sizesOffered;
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        found = true;
        title = chooser->windowTitle();
        QListView* families = nullptr;
        QListView* sizes = nullptr;
        for (QListView* view : chooser->findChildren<QListView*>()) {
            QStringList all;
            for (int r = 0; r < view->model()->rowCount(); ++r)
                all.append(view->model()->index(r, 0).data().toString());
            if (all.contains(QStringLiteral("DejaVu Serif")))
                families = view;
            else if (!all.isEmpty() && all.first().toInt() > 0)
                sizes = view;
        }
        if (!families || !sizes) {
            chooser->reject();
            return;
        }
        const QModelIndex serif = families->model()
                                      ->match(families->model()->index(0, 0), Qt::DisplayRole,
                                              QStringLiteral("DejaVu Serif"), 1, Qt::MatchExactly)
                                      .value(0);
        families->setCurrentIndex(serif);
        QCoreApplication::processEvents(); // the size list is cut to the range after a refill
        for (int r = 0; r < sizes->model()->rowCount(); ++r)
            sizesOffered.append(sizes->model()->index(r, 0).data().toString());
        sizes->setCurrentIndex(sizes->model()
                                   ->match(sizes->model()->index(0, 0), Qt::DisplayRole,
                                           QStringLiteral("11"), 1, Qt::MatchExactly)
                                   .value(0));
        chooser->accept();
    });
    Click(&dialog, "cmdFont1");

    QVERIFY(found);
    QCOMPARE(title, QStringLiteral("Välj typsnitt"));
    QCOMPARE(sizesOffered, (QStringList{"8", "9", "10", "11", "12"}));
    const QFont sample = Child<QLineEdit>(&dialog, "txtFont1")->font();
    QCOMPARE(sample.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(sample.pointSizeF(), 11.0);
}

QTEST_MAIN(OptionsDialogTest)
#include "tst_optionsdialog.moc"
