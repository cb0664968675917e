#include "OptionsDialog.h"

#include "FlagPicture.h"
#include "LanguageLists.h"
#include "NewLanguageEdit.h"
#include "OutlineShape.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "Twips.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kClientWidth = 5250;
constexpr int kClientHeight = 4695;
constexpr int kSampleWidth = 1935;
constexpr int kSampleHeight = 285;
// The word boxes' design font, which the restore buttons bring back.
const QString kDesignFontName = QStringLiteral("MS Sans Serif");
constexpr qreal kDesignFontSize = 8.25;
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

QFont DesignFont()
{
    QFont font(kDesignFontName);
    font.setPointSizeF(kDesignFontSize);
    return font;
}

// The size in points of a font that may have been given in pixels.
qreal PointSize(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

// The width a push button needs to show its caption whole.
int ButtonWidthForText(const QPushButton* button)
{
    const QStyle* style = button->style();
    const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
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
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    createControls();

    CentreOver(m_mainWindow, this);
    loadLists();
    m_txtFont1->setFont(QFont(m_settings.font1Name, m_settings.font1Size));
    m_txtFont2->setFont(QFont(m_settings.font2Name, m_settings.font2Size));
    m_pendingLanguage = m_settings.uiLanguage;
    for (OutlineShape* outline : m_shpPSprak)
        outline->hide();
    const int current = FlagIndex(m_settings.uiLanguage);
    if (current >= 0)
        m_shpPSprak[current]->show();
    applyCaptions();
    fitCaptions();
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
    const auto label = [this](const char* name, int left, int top, int width, int height) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(l, left, top, width, height);
        return l;
    };
    const auto button = [this](const char* name, int left, int top, int width, int height) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        Twips::place(b, left, top, width, height);
        return b;
    };
    const auto list = [this](const char* name, int left, int top) {
        auto* l = new QListWidget(this);
        l->setObjectName(QLatin1String(name));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        Twips::place(l, left, top, 1335, 2400);
        return l;
    };
    const auto newLanguage = [this](const char* name, int left) {
        auto* e = new NewLanguageEdit(this);
        e->setObjectName(QLatin1String(name));
        Twips::place(e, left, 3240, 1335, 285);
        return e;
    };
    const auto sample = [this](const char* name, int top) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        Twips::place(e, 3120, top, kSampleWidth, kSampleHeight);
        return e;
    };

    // Created in the order the Tab key visits them.
    m_lblLS = label("lblLS", 120, 120, 1335, 495);
    m_la1 = list("la1", 120, 600);
    m_lblN1 = label("lblN1", 120, 3000, 1335, 255);
    m_nys1 = newLanguage("nys1", 120);
    m_tb1 = button("tb1", 120, 3600, 1335, 375);
    m_lblKS = label("lblKS", 1560, 120, 1335, 495);
    m_la2 = list("la2", 1560, 600);
    m_lblN2 = label("lblN2", 1560, 3000, 1335, 255);
    m_nys2 = newLanguage("nys2", 1560);
    m_tb2 = button("tb2", 1560, 3600, 1335, 375);
    m_lblFont1 = label("lblFont1", 3120, 120, 1935, 495);
    m_txtFont1 = sample("txtFont1", 600);
    m_cmdFont1 = button("cmdFont1", 3120, 1080, 975, 375);
    m_cmdAterstall1 = button("cmdAterstall1", 4200, 1080, 855, 375);
    m_lblFont2 = label("lblFont2", 3120, 1680, 1935, 495);
    m_txtFont2 = sample("txtFont2", 2160);
    m_cmdFont2 = button("cmdFont2", 3120, 2640, 975, 375);
    m_cmdAterstall2 = button("cmdAterstall2", 4200, 2640, 855, 375);
    m_lblPS = label("lblPS", 3120, 3240, 2175, 255);
    static const char* const flagFiles[] = {":/pictures/flag_uk.svg", ":/pictures/flag_se.svg",
                                            ":/pictures/flag_fi.svg"};
    static const int flagLefts[] = {3120, 3840, 4560};
    for (int i = 0; i < 3; ++i) {
        auto* flag = new FlagPicture(QLatin1String(flagFiles[i]), this);
        flag->setObjectName(QStringLiteral("imgPSprak%1").arg(i));
        Twips::place(flag, flagLefts[i], 3600, 480, 300);
        m_imgPSprak[i] = flag;
        auto* outline = new OutlineShape(Qt::red, 2, this);
        outline->setObjectName(QStringLiteral("shpPSprak%1").arg(i));
        Twips::place(outline, flagLefts[i], 3600, 495, 315);
        m_shpPSprak[i] = outline;
        connect(flag, &FlagPicture::clicked, this, [this, i] { chooseFlag(i); });
    }
    m_lokb = button("lokb", 1440, 4200, 1095, 375);
    m_lavbb = button("lavbb", 2640, 4200, 1095, 375);
    m_lokb->setDefault(true);

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
    m_lokb->setText(QStringLiteral("&OK"));
    m_lavbb->setText(tr("&Avbryt"));
}

void OptionsDialog::fitCaptions()
{
    const int clientWidth = width();
    constexpr int kEdge = 4; // pixels kept free at the dialog's right edge

    // Buttons grow to the right, then to the left, as far as their neighbours allow. The
    // style's minimum button width is no need of the caption, so only the text counts.
    const auto widen = [&](QPushButton* b, int leftLimit) {
        const int needed = ButtonWidthForText(b);
        QRect g = b->geometry();
        if (needed <= g.width())
            return;
        g.setWidth(std::min(needed, clientWidth - kEdge - g.left()));
        if (g.width() < needed)
            g.moveLeft(std::max(leftLimit, g.left() - (needed - g.width())));
        g.setRight(std::min(g.left() + needed - 1, clientWidth - kEdge - 1));
        b->setGeometry(g);
    };
    widen(m_tb1, m_tb1->x());
    widen(m_tb2, m_tb2->x());
    widen(m_cmdFont1, m_cmdFont1->x());
    widen(m_cmdFont2, m_cmdFont2->x());
    widen(m_cmdAterstall1, m_cmdFont1->geometry().right() + 4);
    widen(m_cmdAterstall2, m_cmdFont2->geometry().right() + 4);
    widen(m_lokb, m_lokb->x());
    widen(m_lavbb, m_lokb->geometry().right() + 4);

    // A label reaching past the dialog's edge would wrap its text out of sight.
    for (QLabel* l : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (l->geometry().right() >= clientWidth - kEdge)
            l->resize(clientWidth - kEdge - l->x(), l->height());
    }

    // Labels grow downwards; what lies beneath them in their column moves down, lists give up
    // height so their bottoms stay put, and the design's spare space is used up first.
    struct Item
    {
        QWidget* widget;
        QRect design;
        bool shrinks;
    };
    QList<Item> items;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        items.append({w, w->geometry(), qobject_cast<QListWidget*>(w) != nullptr});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.design.top() < b.design.top(); });
    constexpr int kGap = 4;
    QList<QRect> placed;
    for (const Item& item : items) {
        QRect g = item.design;
        if (auto* l = qobject_cast<QLabel*>(item.widget)) {
            const int needed = l->heightForWidth(g.width());
            if (needed > g.height())
                g.setHeight(needed);
        }
        int top = g.top();
        for (qsizetype j = 0; j < placed.size(); ++j) {
            const QRect& above = items[j].design;
            const bool sameColumn = above.left() <= g.right() && g.left() <= above.right();
            if (!sameColumn || above.top() >= item.design.top())
                continue;
            const int designGap = item.design.top() - above.bottom() - 1;
            top = std::max(top, placed[j].bottom() + 1 + std::min(designGap, kGap));
        }
        if (item.shrinks)
            g.setTop(top);
        else
            g.moveTop(top);
        placed.append(g);
        item.widget->setGeometry(g);
    }
}

void OptionsDialog::loadLists()
{
    const LanguageKeys& keys = LanguageKeysFor(m_settings.uiLanguage);
    ReadLanguageList(m_la1, keys.learnedListSection, keys.lastIndexKey);
    ReadLanguageList(m_la2, keys.knownListSection, keys.lastIndexKey);
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
    sample->setFont(DesignFont());
    sample->resize(Twips::toPixels(kSampleWidth), Twips::toPixels(kSampleHeight));
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
    // A larger font would be cut by the sample's design height.
    sample->resize(sample->width(),
                   std::max(Twips::toPixels(kSampleHeight), sample->sizeHint().height()));
}

void OptionsDialog::chooseFlag(int index)
{
    m_pendingLanguage = FlagLanguage(index);
    for (OutlineShape* outline : m_shpPSprak)
        outline->hide();
    m_shpPSprak[index]->show();
}

void OptionsDialog::acceptChanges()
{
    const LanguageKeys& keys = LanguageKeysFor(m_settings.uiLanguage);
    WriteLanguageList(m_la1, keys.learnedListSection, keys.lastIndexKey);
    WriteLanguageList(m_la2, keys.knownListSection, keys.lastIndexKey);
    if (m_reloadLanguageLists)
        m_reloadLanguageLists();

    const QFont font1 = m_txtFont1->font();
    const QFont font2 = m_txtFont2->font();
    m_settings.font1Name = font1.family();
    m_settings.font2Name = font2.family();
    m_settings.font1Size = Settings::RoundHalfEven(PointSize(font1));
    m_settings.font2Size = Settings::RoundHalfEven(PointSize(font2));
    Settings::WriteSetting(Keys::Font1Name, m_settings.font1Name);
    Settings::WriteSetting(Keys::Font2Name, m_settings.font2Name);
    Settings::WriteSetting(Keys::Font1Size, QString::number(m_settings.font1Size));
    Settings::WriteSetting(Keys::Font2Size, QString::number(m_settings.font2Size));

    if (m_resetWordBoxFonts)
        m_resetWordBoxFonts();

    if (m_pendingLanguage != m_settings.uiLanguage) {
        Settings::WriteSetting(Keys::PrgLanguage, m_pendingLanguage);
        const Notice notice = RestartNotice(m_settings.uiLanguage);
        m_prompter.message(notice.text, notice.title, Prompter::InformationOk);
    }
    accept();
}
