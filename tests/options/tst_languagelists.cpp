#include "LanguageListStore.h"
#include "LanguageLists.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace {

QStringList Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

QStringList Items(const QListWidget& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.item(i)->text());
    return items;
}

QComboBox* EditableBox()
{
    auto* box = new QComboBox;
    box->setEditable(true);
    return box;
}

} // namespace

class LanguageListsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstLoadWritesAndOffersDefaults_data();
    void firstLoadWritesAndOffersDefaults();
    void pairSurvivesBoxesThatWriteBack();
    void listsBelongToTheirInterfaceLanguage();
    void storedLastIndex_data();
    void storedLastIndex();
    void shortenedListKeepsLaterKeys();
    void dialogReadWritesNoDefaults();
};

void LanguageListsTest::firstLoadWritesAndOffersDefaults_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QStringList>("learned");
    QTest::addColumn<QStringList>("known");
    QTest::newRow("eng") << "eng" << QStringList{"Foreign", "English", "German",  "French",
                                                 "Spanish", "Italian", "Japanese"}
                         << QStringList{"English", "German",  "French",     "Spanish",
                                        "Italian", "Swedish", "My language"};
    QTest::newRow("sve") << "sve" << QStringList{"Engelska",   "Tyska",  "Franska", "Spanska",
                                                 "Italienska", "Finska", "Svenska"}
                         << QStringList{"Svenska", "Engelska", "Tyska",     "Finska",
                                        "Franska", "Spanska",  "Italienska"};
    QTest::newRow("fin") << "fin" << QStringList{"Englanti", "Saksa",  "Ranska", "Espanja",
                                                 "Italia",   "Ruotsi", "Suomi"}
                         << QStringList{"Suomi",  "Ruotsi",  "Englanti", "Saksa",
                                        "Ranska", "Espanja", "Italia"};
}

void LanguageListsTest::firstLoadWritesAndOffersDefaults()
{
    QFETCH(QString, ui);
    QFETCH(QStringList, learned);
    QFETCH(QStringList, known);
    TestSettings settings;
    std::unique_ptr<QComboBox> lang1(EditableBox());
    std::unique_ptr<QComboBox> lang2(EditableBox());
    lang1->addItem(QStringLiteral("left over"));

    // The pair is shown even though neither name is in a list.
    LoadLanguageLists(lang1.get(), lang2.get(), QStringLiteral("Klingon"), QString(), ui);

    QCOMPARE(Items(*lang1), learned);
    QCOMPARE(Items(*lang2), known);
    QCOMPARE(lang1->currentText(), QStringLiteral("Klingon"));
    QCOMPARE(lang2->currentText(), QString());

    const LanguageKeys& keys = LanguageKeysFor(ui);
    QCOMPARE(ReadStoredLanguageList(keys.learnedListSection, keys.lastIndexKey), learned);
    QCOMPARE(ReadStoredLanguageList(keys.knownListSection, keys.lastIndexKey), known);
    QCOMPARE(Settings::ReadSetting(keys.learnedListSection, keys.lastIndexKey, QString()),
             QStringLiteral("6"));
    // The learned list is written first, its last index before its entries.
    const QString ini = settings.iniText();
    const qsizetype learnedAt = ini.indexOf(u'[' + keys.learnedListSection + u']');
    QVERIFY(learnedAt >= 0);
    QVERIFY(learnedAt < ini.indexOf(u'[' + keys.knownListSection + u']'));
    QVERIFY(ini.indexOf(keys.lastIndexKey + QStringLiteral("=6")) <
            ini.indexOf(QStringLiteral("0=") + learned[0]));
}

void LanguageListsTest::pairSurvivesBoxesThatWriteBack()
{
    TestSettings settings;
    std::unique_ptr<QComboBox> lang1(EditableBox());
    std::unique_ptr<QComboBox> lang2(EditableBox());
    // Like the main window: the boxes write their text straight into the word list's names.
    QString language1 = QStringLiteral("Latin");
    QString language2 = QStringLiteral("Svenska");
    connect(lang1.get(), &QComboBox::editTextChanged, [&](const QString& t) { language1 = t; });
    connect(lang2.get(), &QComboBox::editTextChanged, [&](const QString& t) { language2 = t; });
    lang1->setEditText(language1);
    lang2->setEditText(language2);

    LoadLanguageLists(lang1.get(), lang2.get(), language1, language2, QStringLiteral("sve"));

    QCOMPARE(lang1->currentText(), QStringLiteral("Latin"));
    QCOMPARE(lang2->currentText(), QStringLiteral("Svenska"));
    QCOMPARE(language1, QStringLiteral("Latin"));
}

void LanguageListsTest::listsBelongToTheirInterfaceLanguage()
{
    TestSettings settings;
    WriteStoredLanguageList(QStringLiteral("Language1"), QStringLiteral("Number"),
                            {QStringLiteral("Dutch"), QStringLiteral("Polish")});
    QComboBox lang1;
    QComboBox lang2;

    LoadLanguageLists(&lang1, &lang2, QString(), QString(), QStringLiteral("fin"));

    QCOMPARE(Items(lang1), DefaultLanguageList(QStringLiteral("fin"), 1));
    QCOMPARE(ReadStoredLanguageList(QStringLiteral("Language1"), QStringLiteral("Number")),
             (QStringList{QStringLiteral("Dutch"), QStringLiteral("Polish")}));
}

void LanguageListsTest::storedLastIndex_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("lastIndexAfter");

    const QByteArray entries = "0=Dutch\r\n1=Polish\r\n2=Greek\r\n3=Czech\r\n";
    const QStringList swedishDefaults = DefaultLanguageList(QStringLiteral("sve"), 1);
    QTest::newRow("no key: defaults")
        << QByteArray("[Spr\xe5k1]\r\n" + entries) << swedishDefaults << "6";
    // A count without a number keeps the entries that are there, up to the first missing key.
    const QStringList four{"Dutch", "Polish", "Greek", "Czech"};
    QTest::newRow("empty value: the entries, kept")
        << QByteArray("[Spr\xe5k1]\r\nAntal=\r\n" + entries) << four << "";
    QTest::newRow("not a number: the entries, kept")
        << QByteArray("[Spr\xe5k1]\r\nAntal=many\r\n" + entries) << four << "many";
    QTest::newRow("blank before a letter: the entries, kept")
        << QByteArray("[Spr\xe5k1]\r\nAntal= x6\r\n" + entries) << four << "x6";
    QTest::newRow("not a number, a gap: up to the gap")
        << QByteArray("[Spr\xe5k1]\r\nAntal=abc\r\n0=Klingon\r\n1=\r\n3=Elvish\r\n")
        << QStringList{"Klingon", ""} << "abc";
    QTest::newRow("not a number, no entries: defaults")
        << QByteArray("[Spr\xe5k1]\r\nAntal=many\r\n1=Polish\r\n") << swedishDefaults << "6";
    QTest::newRow("-1: empty, kept")
        << QByteArray("[Spr\xe5k1]\r\nAntal=-1\r\n" + entries) << QStringList() << "-1";
    QTest::newRow("-7: empty") << QByteArray("[Spr\xe5k1]\r\nAntal=-7\r\n" + entries)
                               << QStringList() << "-7";
    QTest::newRow("0: one entry") << QByteArray("[Spr\xe5k1]\r\nAntal=0\r\n" + entries)
                                  << QStringList{"Dutch"} << "0";
    QTest::newRow("2 of 4") << QByteArray("[Spr\xe5k1]\r\nantal = 2 \r\n" + entries)
                            << QStringList{"Dutch", "Polish", "Greek"} << "2";
    QTest::newRow("missing entry reads empty")
        << QByteArray("[Spr\xe5k1]\r\nAntal=4\r\n" + entries)
        << QStringList{"Dutch", "Polish", "Greek", "Czech", ""} << "4";
}

void LanguageListsTest::storedLastIndex()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, offered);
    QFETCH(QString, lastIndexAfter);
    TestSettings settings;
    settings.writeIni(ini);
    QComboBox lang1;
    QComboBox lang2;

    LoadLanguageLists(&lang1, &lang2, QString(), QString(), QStringLiteral("sve"));

    QCOMPARE(Items(lang1), offered);
    QCOMPARE(Settings::ReadSetting(QStringLiteral("Språk1"), QStringLiteral("Antal"), QString()),
             lastIndexAfter);
}

void LanguageListsTest::shortenedListKeepsLaterKeys()
{
    TestSettings settings;
    const QStringList seven = DefaultLanguageList(QStringLiteral("eng"), 2);
    WriteStoredLanguageList(QStringLiteral("Language2"), QStringLiteral("Number"), seven);
    QListWidget box;
    box.addItems(seven.mid(0, 3));

    WriteLanguageList(&box, QStringLiteral("eng"), 2);

    QCOMPARE(Settings::ReadSetting(QStringLiteral("Language2"), QStringLiteral("Number"), {}),
             QStringLiteral("2"));
    QCOMPARE(Settings::ReadSetting(QStringLiteral("Language2"), QStringLiteral("6"), {}),
             QStringLiteral("My language"));
    QCOMPARE(ReadStoredLanguageList(QStringLiteral("Language2"), QStringLiteral("Number")),
             seven.mid(0, 3));
}

void LanguageListsTest::dialogReadWritesNoDefaults()
{
    TestSettings settings;
    QListWidget box;
    ReadLanguageList(&box, QStringLiteral("fin"), 1);
    QCOMPARE(box.count(), 0);
    QCOMPARE(settings.iniText(), QString());

    // A hand-edited huge last index is read up to the bound, not for ever.
    settings.writeIni("[Kieli1]\r\nLuku=2000000000\r\n0=Viro\r\n");
    ReadLanguageList(&box, QStringLiteral("fin"), 1);
    QCOMPARE(box.count(), kMaxLanguageListLastIndex + 1);
    QCOMPARE(Items(box).first(), QStringLiteral("Viro"));
}

QTEST_MAIN(LanguageListsTest)
#include "tst_languagelists.moc"
