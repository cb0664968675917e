#include "OptionsDialog.h"

#include "DesignFont.h"
#include "DesignSize.h"
#include "FlagPicture.h"
#include "LanguageListStore.h"
#include "LanguageLists.h"
#include "NewLanguageEdit.h"
#include "OutlineShape.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "SettingNumbers.h"
#include "SettingsWrites.h"
#include "Twips.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 5250;
constexpr int kSampleWidth = 1935;
constexpr int kSampleHeight = 285;
constexpr int kSmallestFontSize = 8;
constexpr int kLargestFontSize = 12;

struct Notice
{
    QString title;
    QString text;
};

Notice RestartNotice(const QString& uiLanguage)
{
    if (uiLanguage == u"sve")
        return {QStringLiteral("Programmets språk"),
                QStringLiteral("För att programmet ska använda det nya språket, avsluta det efter "
                               "att du klickat på OK här och starta om det.")};
    if (uiLanguage == u"fin")
        return {QStringLiteral("Ohjelman kieli"),
                QStringLiteral("Olet vaihtanut ohjelman kielen, lopeta ohjelma kun olet painanut "
                               "ok:ta ja käynnistä se uudelleen.")};
    return {QStringLiteral("The language for the program"),
            QStringLiteral("To use the new language for the program, click on Ok here, exit the "
                           "program and restart it.")};
}

QString FontDialogTitle(const QString& uiLanguage)
{
    if (uiLanguage == u"sve")
        return QStringLiteral("Välj typsnitt");
    if (uiLanguage == u"fin")
        return QStringLiteral("Valitse fontti");
    return QStringLiteral("Choose font");
}

// The word boxes' design font, which the restore buttons bring back.
QFont WordBoxDesignFont()
{
    QFont font(DesignFont::name());
    font.setPointSizeF(DesignFont::points);
    return font;
}

// The size in points of a font that may have been given in pixels.
qreal PointSize(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

OptionsDialog::OptionsDialog(ProgramSettings& settings, Prompter& prompter, QWidget* mainWindow,
                             std::function<void()> reloadLanguageLists,
                             std::function<void()> resetWordBoxFonts)
    : QDialog(mainWindow), m_settings(settings), m_prompter(prompter), m_mainWindow(mainWindow),
      m_reloadLanguageLists(std::move(reloadLanguageLists)),
      m_resetWordBoxFonts(std::move(resetWordBoxFonts))
{
    setObjectName(QStringLiteral("frmInst"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    loadLists();
    m_txtFont1->setFont(QFont(m_settings.font1Name, m_settings.font1Size));
    m_txtFont2->setFont(QFont(m_settings.font2Name, m_settings.font2Size));
    m_pendingLanguage = m_settings.uiLanguage;
    for (OutlineShape* outline : m_shpPSprak)
        outline->hide();
    const int current = FlagIndex(m_settings.uiLanguage);
    if (current >= 0) {
        m_shpPSprak[current]->show();
        m_imgPSprak[current]->setChecked(true);
    }
    applyCaptions();
    layOut();
    CentreOnFirstShow(this, m_mainWindow);
}

QString OptionsDialog::FlagLanguage(int index)
{
    static const QString languages[] = {QStringLiteral("eng"), QStringLiteral("sve"),
                                        QStringLiteral("fin")};
    return index >= 0 && index < 3 ? languages[index] : QString();
}

int OptionsDialog::FlagIndex(const QString& language)
{
    for (int i = 0; i < 3; ++i) {
        if (FlagLanguage(i) == language)
            return i;
    }
    return -1;
}

void OptionsDialog::createControls()
{
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    const auto list = [this](const char* name) {
        auto* l = new QListWidget(this);
        l->setObjectName(QLatin1String(name));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        return l;
    };
    const auto newLanguage = [this](const char* name) {
        auto* e = new NewLanguageEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    const auto sample = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };

    // Created in the order the Tab key visits them.
    m_lblLS = label("lblLS");
    m_la1 = list("la1");
    m_lblN1 = label("lblN1");
    m_nys1 = newLanguage("nys1");
    m_tb1 = button("tb1");
    m_lblKS = label("lblKS");
    m_la2 = list("la2");
    m_lblN2 = label("lblN2");
    m_nys2 = newLanguage("nys2");
    m_tb2 = button("tb2");
    m_lblFont1 = label("lblFont1");
    m_txtFont1 = sample("txtFont1");
    m_cmdFont1 = button("cmdFont1");
    m_cmdAterstall1 = button("cmdAterstall1");
    m_lblFont2 = label("lblFont2");
    m_txtFont2 = sample("txtFont2");
    m_cmdFont2 = button("cmdFont2");
    m_cmdAterstall2 = button("cmdAterstall2");
    m_lblPS = label("lblPS");
    static const char* const flagFiles[] = {"flag_uk", "flag_se", "flag_fi"};
    // Each language's own name, whatever the interface language.
    static const char* const flagNames[] = {"English", "Svenska", "Suomi"};
    for (int i = 0; i < 3; ++i) {
        auto* flag = new FlagPicture(QLatin1String(flagFiles[i]), this);
        flag->setObjectName(QStringLiteral("imgPSprak%1").arg(i));
        flag->setAccessibleName(QString::fromUtf8(flagNames[i]));
        m_imgPSprak[i] = flag;
        m_shpPSprak[i] = flag->outline();
        m_shpPSprak[i]->setObjectName(QStringLiteral("shpPSprak%1").arg(i));
        connect(flag, &FlagPicture::toggled, this, [this, i](bool on) {
            if (on)
                chooseFlag(i);
        });
    }
    m_lokb = button("lokb");
    m_lavbb = button("lavbb");
    m_lokb->setDefault(true);

    // The labels name the boxes beneath them, for screen readers and for Alt with their keys.
    m_lblLS->setBuddy(m_la1);
    m_lblN1->setBuddy(m_nys1);
    m_lblKS->setBuddy(m_la2);
    m_lblN2->setBuddy(m_nys2);
    m_lblFont1->setBuddy(m_txtFont1);
    m_lblFont2->setBuddy(m_txtFont2);

    m_tb1->setEnabled(false);
    m_tb2->setEnabled(false);

    const auto enableOnPick = [this](QListWidget* list, QPushButton* removeButton) {
        connect(list, &QListWidget::itemClicked, removeButton,
                [removeButton] { removeButton->setEnabled(true); });
        // Picking an entry with the keyboard counts as a click; the list merely taking the focus
        // (which makes its first row current without selecting it) does not.
        connect(list, &QListWidget::itemSelectionChanged, removeButton, [list, removeButton] {
            if (!list->selectedItems().isEmpty())
                removeButton->setEnabled(true);
        });
        connect(removeButton, &QPushButton::clicked, this,
                [this, list, removeButton] { removeSelected(list, removeButton); });
    };
    enableOnPick(m_la1, m_tb1);
    enableOnPick(m_la2, m_tb2);
    connect(m_nys1, &NewLanguageEdit::enterPressed, this,
            [this] { addNewLanguage(m_nys1, m_la1); });
    connect(m_nys2, &NewLanguageEdit::enterPressed, this,
            [this] { addNewLanguage(m_nys2, m_la2); });
    connect(m_cmdFont1, &QPushButton::clicked, this, [this] { chooseFont(m_txtFont1); });
    connect(m_cmdFont2, &QPushButton::clicked, this, [this] { chooseFont(m_txtFont2); });
    connect(m_cmdAterstall1, &QPushButton::clicked, this, [this] { restoreFont(m_txtFont1); });
    connect(m_cmdAterstall2, &QPushButton::clicked, this, [this] { restoreFont(m_txtFont2); });
    connect(m_lokb, &QPushButton::clicked, this, &OptionsDialog::acceptChanges);
    connect(m_lavbb, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::applyCaptions()
{
    setWindowTitle(tr("Inställningar"));
    m_lblLS->setText(tr("Språk som du ska lära dig:"));
    m_lblN1->setText(tr("Nytt språk:"));
    m_tb1->setText(tr("&Ta bort"));
    m_lblKS->setText(tr("Språk som du kan:"));
    m_lblN2->setText(tr("Nytt språk:"));
    m_tb2->setText(tr("Ta &bort"));
    m_lblFont1->setText(tr("Typsnitt för språken som du ska lära dig:"));
    m_txtFont1->setText(tr("Exempel: AaBbCc"));
    m_cmdFont1->setText(tr("&Välj..."));
    m_cmdAterstall1->setText(tr("Åter&ställ"));
    m_lblFont2->setText(tr("Typsnitt för språken som du kan:"));
    m_txtFont2->setText(tr("Exempel: AaBbCc"));
    m_cmdFont2->setText(tr("Vä&lj..."));
    m_cmdAterstall2->setText(tr("Återstä&ll"));
    m_lblPS->setText(tr("Programmets språk:"));
    // A list takes no name from its buddy, so it is given its label's text.
    m_la1->setAccessibleName(m_lblLS->text());
    m_la2->setAccessibleName(m_lblKS->text());
    m_lokb->setText(QStringLiteral("&OK"));
    m_lavbb->setText(tr("&Avbryt"));
}

void OptionsDialog::layOut()
{
    // The design's twips are the smallest sizes; a longer caption or larger font widens its
    // column or heightens its row, and the dialog grows with them.
    SetDesignSize(m_lblLS, 1335, 480);
    SetDesignSize(m_la1, 1335, 2400);
    SetDesignSize(m_lblN1, 1335, 240);
    SetDesignSize(m_nys1, 1335, 285);
    SetDesignSize(m_tb1, 1335, 375);
    SetDesignSize(m_lblKS, 1335, 480);
    SetDesignSize(m_la2, 1335, 2400);
    SetDesignSize(m_lblN2, 1335, 240);
    SetDesignSize(m_nys2, 1335, 285);
    SetDesignSize(m_tb2, 1335, 375);
    SetDesignSize(m_lblFont1, kSampleWidth, 480);
    SetDesignSize(m_txtFont1, kSampleWidth, kSampleHeight);
    SetDesignSize(m_cmdFont1, 975, 375);
    SetDesignSize(m_cmdAterstall1, 855, 375);
    SetDesignSize(m_lblFont2, kSampleWidth, 480);
    SetDesignSize(m_txtFont2, kSampleWidth, kSampleHeight);
    SetDesignSize(m_cmdFont2, 975, 375);
    SetDesignSize(m_cmdAterstall2, 855, 375);
    SetDesignSize(m_lblPS, kSampleWidth, 255);
    SetDesignSize(m_lokb, 1095, 375);
    SetDesignSize(m_lavbb, 1095, 375);

    const auto px = [](int twips) { return Twips::toPixels(twips); };
    // A label keeps clear of the box it names and of the list above it.
    const int labelGap = 2;
    const auto pair = [&](QWidget* left, QWidget* right, int gap) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(left);
        row->addSpacing(px(gap));
        row->addWidget(right);
        row->addStretch();
        return row;
    };

    auto* fonts = new QVBoxLayout;
    fonts->setSpacing(0);
    fonts->addWidget(m_lblFont1);
    fonts->addSpacing(labelGap);
    fonts->addWidget(m_txtFont1);
    fonts->addSpacing(px(195));
    fonts->addLayout(pair(m_cmdFont1, m_cmdAterstall1, 105));
    fonts->addSpacing(px(225));
    fonts->addWidget(m_lblFont2);
    fonts->addSpacing(labelGap);
    fonts->addWidget(m_txtFont2);
    fonts->addSpacing(px(195));
    fonts->addLayout(pair(m_cmdFont2, m_cmdAterstall2, 105));
    fonts->addSpacing(px(225));
    fonts->addWidget(m_lblPS);
    fonts->addSpacing(px(105));
    auto* flags = new QHBoxLayout;
    flags->setSpacing(0);
    for (FlagPicture* flag : m_imgPSprak) {
        if (flag != m_imgPSprak.front())
            flags->addSpacing(px(240) - 1);
        flags->addWidget(flag);
    }
    flags->addStretch();
    fonts->addLayout(flags);
    fonts->addStretch();

    // The two list columns share one grid, so a caption that wraps in one column moves the
    // rows of both alike.
    enum Row {
        Heading,
        HeadingGap,
        List,
        ListGap,
        NewLabel,
        NewGap,
        NewBox,
        ButtonGap,
        Remove,
        End
    };
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->setRowMinimumHeight(HeadingGap, labelGap);
    grid->setRowMinimumHeight(ListGap, labelGap);
    grid->setRowMinimumHeight(NewGap, labelGap);
    grid->setRowMinimumHeight(ButtonGap, px(75));
    grid->setRowStretch(End, 1);
    grid->setColumnMinimumWidth(1, px(105));
    grid->setColumnMinimumWidth(3, px(225));
    const auto listColumn = [&](int column, QLabel* heading, QListWidget* list, QLabel* newLabel,
                                QLineEdit* edit, QPushButton* remove) {
        // A grid reckons a column's width from its widgets' hints, which a list and a wrapped
        // caption leave out; the column is given their smallest widths itself.
        int width = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{heading, list, newLabel, edit, remove})
            width = std::max(width, w->minimumWidth());
        grid->setColumnMinimumWidth(column, width);
        grid->addWidget(heading, Heading, column);
        grid->addWidget(list, List, column);
        grid->addWidget(newLabel, NewLabel, column);
        grid->addWidget(edit, NewBox, column);
        grid->addWidget(remove, Remove, column, Qt::AlignLeft);
    };
    listColumn(0, m_lblLS, m_la1, m_lblN1, m_nys1, m_tb1);
    listColumn(2, m_lblKS, m_la2, m_lblN2, m_nys2, m_tb2);
    grid->addLayout(fonts, 0, 4, End + 1, 1);
    auto* top = grid;

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addSpacing(px(1440 - 120));
    buttons->addWidget(m_lokb);
    buttons->addSpacing(px(105));
    buttons->addWidget(m_lavbb);
    buttons->addStretch();

    auto* whole = new QVBoxLayout(this);
    whole->setSpacing(0);
    whole->setContentsMargins(px(120), px(120), px(kClientWidth - 5055), px(120));
    whole->addLayout(top);
    whole->addSpacing(px(225));
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);
    whole->activate();
}

void OptionsDialog::loadLists()
{
    ReadLanguageList(m_la1, m_settings.uiLanguage, 1);
    ReadLanguageList(m_la2, m_settings.uiLanguage, 2);
}

void OptionsDialog::addNewLanguage(NewLanguageEdit* edit, QListWidget* list)
{
    // Beyond this the list could not be read back whole.
    if (list->count() > kMaxLanguageListLastIndex) {
        m_prompter.beep();
        return;
    }
    list->addItem(edit->text());
    edit->clear();
}

void OptionsDialog::removeSelected(QListWidget* list, QPushButton* removeButton)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const int row = selected.isEmpty() ? list->currentRow() : list->row(selected.first());
    if (row >= 0)
        delete list->takeItem(row);
    // Nothing stays marked while the button is off, so the next pick is a fresh click.
    list->clearSelection();
    list->setCurrentRow(-1);
    removeButton->setEnabled(false);
}

void OptionsDialog::restoreFont(QLineEdit* sample)
{
    sample->setFont(WordBoxDesignFont());
    SetDesignSize(sample, kSampleWidth, kSampleHeight);
}

void OptionsDialog::chooseFont(QLineEdit* sample)
{
    restoreFont(sample);
    const std::optional<QFont> chosen = m_prompter.chooseFont(
        FontDialogTitle(m_settings.uiLanguage), kSmallestFontSize, kLargestFontSize);
    if (!chosen)
        return; // a cancel leaves the design font that the reset gave the sample
    QFont font(chosen->family());
    font.setPointSizeF(PointSize(*chosen));
    sample->setFont(font);
    // A larger font heightens the sample, and the dialog with it, rather than being cut.
    SetDesignSize(sample, kSampleWidth, kSampleHeight);
}

void OptionsDialog::chooseFlag(int index)
{
    m_pendingLanguage = FlagLanguage(index);
    m_imgPSprak[index]->setChecked(true);
    for (OutlineShape* outline : m_shpPSprak)
        outline->hide();
    m_shpPSprak[index]->show();
}

void OptionsDialog::acceptChanges()
{
    WriteLanguageList(m_la1, m_settings.uiLanguage, 1);
    WriteLanguageList(m_la2, m_settings.uiLanguage, 2);
    if (m_reloadLanguageLists)
        m_reloadLanguageLists();

    const QFont font1 = m_txtFont1->font();
    const QFont font2 = m_txtFont2->font();
    m_settings.font1Name = font1.family();
    m_settings.font2Name = font2.family();
    m_settings.font1Size = Settings::RoundHalfEven(PointSize(font1));
    m_settings.font2Size = Settings::RoundHalfEven(PointSize(font2));
    WriteFonts(m_settings);

    if (m_resetWordBoxFonts)
        m_resetWordBoxFonts();

    if (m_pendingLanguage != m_settings.uiLanguage) {
        WriteInterfaceLanguage(m_pendingLanguage);
        const Notice notice = RestartNotice(m_settings.uiLanguage);
        m_prompter.message(notice.text, notice.title, Prompter::InformationOk);
    }
    accept();
}
