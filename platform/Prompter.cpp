#include "Prompter.h"

#include "MemoryTrim.h"
#include "Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QIntValidator>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QStringListModel>

#include <algorithm>

DialogPrompter::DialogPrompter(QWidget* parent) : m_parent(parent) {}

int DialogPrompter::titleBarWidth(const QString& title)
{
    // Window managers draw titles in bold, often in a larger type than the program's, beside an
    // icon and up to three buttons, with gaps between them.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) * 115 / 100 + 7 * metrics.height();
}

namespace {

// A message box wide enough for its whole title, centred over the main window's frame.
class MessageBox : public QMessageBox
{
public:
    explicit MessageBox(QWidget* parent) : QMessageBox(parent) {}

protected:
    bool event(QEvent* event) override
    {
        const bool done = QMessageBox::event(event);
        // QMessageBox sizes itself again at every layout request, to its text and buttons only.
        if (event->type() == QEvent::LayoutRequest && isVisible())
            widenForTitle();
        return done;
    }

    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // sizes the box to its text and buttons
        widenForTitle();
        CentreOver(parentWidget() ? parentWidget()->window() : nullptr, this);
    }

private:
    void widenForTitle()
    {
        int width = DialogPrompter::titleBarWidth(windowTitle());
        if (const QScreen* shown = screen())
            width = std::min(width, shown->availableGeometry().width());
        if (width <= this->width())
            return;
        const int height = layout() && layout()->hasHeightForWidth()
                               ? layout()->totalHeightForWidth(width)
                               : this->height();
        setFixedSize(width, height);
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }
};

} // namespace

int DialogPrompter::message(const QString& text, const QString& title, int flags)
{
    MessageBox box(m_parent);
    box.setObjectName(QStringLiteral("vokaboMessage"));
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Vokabo") : title);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);

    const int icon = flags & 0xF0;
    if (icon == 0x30)
        box.setIcon(QMessageBox::Warning);
    else if (icon == 0x40)
        box.setIcon(QMessageBox::Information);
    else if (icon == 0x20)
        box.setIcon(QMessageBox::Question);
    else if (icon == 0x10)
        box.setIcon(QMessageBox::Critical);

    // Qt has no Swedish translation of its own buttons, so the texts are ours.
    const auto tr = [](const char* s) { return QCoreApplication::translate("Prompter", s); };
    static const char* const kYes = QT_TRANSLATE_NOOP("Prompter", "&Ja");
    static const char* const kNo = QT_TRANSLATE_NOOP("Prompter", "&Nej");
    static const char* const kCancel = QT_TRANSLATE_NOOP("Prompter", "Avbryt");
    static const char* const kOk = QT_TRANSLATE_NOOP("Prompter", "OK");
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* ok = nullptr;
    switch (flags & 0x0F) {
    case 3: // Yes, No, Cancel
        yes = box.addButton(tr(kYes), QMessageBox::YesRole);
        no = box.addButton(tr(kNo), QMessageBox::NoRole);
        cancel = box.addButton(tr(kCancel), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        box.setEscapeButton(cancel);
        break;
    case 4: // Yes, No
        yes = box.addButton(tr(kYes), QMessageBox::YesRole);
        no = box.addButton(tr(kNo), QMessageBox::NoRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        box.setEscapeButton(no);
        break;
    default:
        ok = box.addButton(tr(kOk), QMessageBox::AcceptRole);
        box.setDefaultButton(static_cast<QPushButton*>(ok));
        box.setEscapeButton(ok);
        break;
    }
    box.exec();
    // What the dialog freed goes back to the system once it is gone.
    MemoryTrim::ReleaseFreedMemorySoon();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Yes;
    if (clicked && clicked == no)
        return No;
    if (ok)
        return Ok;
    return Cancel;
}

QStringList DialogPrompter::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = parts[i + 1];
        // QFileDialog reads the patterns from the parentheses; make sure they are there.
        QString qtPatterns = patterns;
        qtPatterns.replace(u';', u' ');
        if (!description.contains(u'('))
            description += QStringLiteral(" (") + qtPatterns + u')';
        else
            description = description.left(description.indexOf(u'(')).trimmed() +
                          QStringLiteral(" (") + qtPatterns + u')';
        filters.append(description);
    }
    return filters;
}

QString DialogPrompter::withDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty())
        return path;
    if (!QFileInfo(path).fileName().contains(u'.'))
        return path + u'.' + extension;
    return path;
}

namespace {

// A first list goes to the documents folder rather than wherever the program was started from.
QString defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString initialPath(const QString& fileName)
{
    // A bare pattern such as "*.vkf" is not a name to offer.
    if (fileName.isEmpty() || fileName.contains(u'*'))
        return QString();
    return fileName;
}

} // namespace

std::optional<QString> DialogPrompter::openFileName(const FileDialog& request)
{
    QFileDialog dialog(m_parent, request.title);
    dialog.setObjectName(QStringLiteral("vokaboOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    const QString initial = initialPath(request.fileName);
    if (!initial.isEmpty())
        dialog.selectFile(initial);
    else
        dialog.setDirectory(defaultFolder());
    const int result = dialog.exec();
    MemoryTrim::ReleaseFreedMemorySoon();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogPrompter::saveFileName(const FileDialog& request)
{
    QFileDialog dialog(m_parent, request.title);
    dialog.setObjectName(QStringLiteral("vokaboSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    const QString initial = initialPath(request.fileName);
    if (!initial.isEmpty())
        dialog.selectFile(initial);
    else
        dialog.setDirectory(defaultFolder());
    const int result = dialog.exec();
    MemoryTrim::ReleaseFreedMemorySoon();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

namespace {

// QFontDialog has no size range of its own: its size list is a list view over plain numbers,
// refilled whenever another family or style is picked, so each refill is cut to the range.
void LimitFontSizes(QFontDialog& dialog, int minPoints, int maxPoints)
{
    QListView* sizeList = nullptr;
    for (QListView* view : dialog.findChildren<QListView*>()) {
        auto* model = qobject_cast<QStringListModel*>(view->model());
        if (!model || model->stringList().isEmpty())
            continue;
        bool numbers = true;
        for (const QString& entry : model->stringList()) {
            entry.toInt(&numbers);
            if (!numbers)
                break;
        }
        if (numbers)
            sizeList = view;
    }
    QLineEdit* sizeEdit = nullptr;
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QIntValidator*>(edit->validator()))
            sizeEdit = edit;
    }
    if (!sizeList || !sizeEdit)
        return;
    sizeEdit->setValidator(new QIntValidator(minPoints, maxPoints, sizeEdit));

    auto* model = qobject_cast<QStringListModel*>(sizeList->model());
    const auto limit = [model, sizeList, sizeEdit, minPoints, maxPoints] {
        QStringList sizes;
        for (int size = minPoints; size <= maxPoints; ++size)
            sizes.append(QString::number(size));
        // Our own refill comes back here once more and then finds nothing to change.
        if (model->stringList() != sizes)
            model->setStringList(sizes);
        const int current = sizeEdit->text().toInt();
        const int shown =
            current < minPoints ? minPoints : (current > maxPoints ? maxPoints : current);
        if (shown != current)
            sizeEdit->setText(QString::number(shown));
        const QSignalBlocker listBlocker(sizeList->selectionModel());
        sizeList->setCurrentIndex(model->index(shown - minPoints));
    };
    QObject::connect(model, &QAbstractItemModel::modelReset, sizeList, limit, Qt::QueuedConnection);
    limit();
}

} // namespace

std::optional<QFont> DialogPrompter::chooseFont(const QString& title, int minPoints, int maxPoints)
{
    QFontDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("vokaboFontDialog"));
    dialog.setWindowTitle(title);
    // Qt's own dialog, so the size range below can be applied; every screen font is offered.
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    dialog.setOption(QFontDialog::ScalableFonts, true);
    dialog.setOption(QFontDialog::NonScalableFonts, true);
    LimitFontSizes(dialog, minPoints, maxPoints);
    const int result = dialog.exec();
    MemoryTrim::ReleaseFreedMemorySoon();
    if (result != QDialog::Accepted)
        return std::nullopt;
    QFont font = dialog.selectedFont();
    const qreal size = font.pointSizeF();
    if (size < minPoints)
        font.setPointSizeF(minPoints);
    else if (size > maxPoints)
        font.setPointSizeF(maxPoints);
    return font;
}

void DialogPrompter::beep()
{
    QApplication::beep();
}
