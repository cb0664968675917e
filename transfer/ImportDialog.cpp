#include "ImportDialog.h"

#include "SystemError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char16_t kDelimiters[] = {u'\t', u';', u',', u'|', u' ', u':'};

} // namespace

ImportDialog::ImportDialog(const QString& fileName, const QByteArray& bytes,
                           const ImportOptions& detected, QWidget* parent)
    : QDialog(parent), m_bytes(bytes), m_options(detected)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Importera ordlista"));

    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(QFileInfo(fileName).fileName(), this);
    file->setObjectName(QStringLiteral("importFile"));
    file->setTextFormat(Qt::PlainText);
    layout->addWidget(file);

    auto* form = new QFormLayout;
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("importFormat"));
    m_format->addItem(tr("Text med avgränsare (CSV, Anki, Quizlet)"),
                      int(ExchangeFormat::Delimited));
    m_format->addItem(tr("KVTML (KWordQuiz, Parley)"), int(ExchangeFormat::Kvtml));
    form->addRow(tr("&Format:"), m_format);

    m_delimiter = new QComboBox(this);
    m_delimiter->setObjectName(QStringLiteral("importDelimiter"));
    m_delimiter->addItem(tr("Tabb"));
    m_delimiter->addItem(tr("Semikolon ;"));
    m_delimiter->addItem(tr("Komma ,"));
    m_delimiter->addItem(tr("Lodstreck |"));
    m_delimiter->addItem(tr("Mellanslag"));
    m_delimiter->addItem(tr("Kolon :"));
    form->addRow(tr("&Avgränsare:"), m_delimiter);
    layout->addLayout(form);

    m_header = new QCheckBox(tr("Första &raden är en rubrik"), this);
    m_header->setObjectName(QStringLiteral("importHeader"));
    layout->addWidget(m_header);
    m_swap = new QCheckBox(tr("&Byt plats på kolumnerna"), this);
    m_swap->setObjectName(QStringLiteral("importSwap"));
    layout->addWidget(m_swap);

    auto* previewLabel = new QLabel(tr("För&handsvisning:"), this);
    layout->addWidget(previewLabel);
    m_table = new QTableWidget(PreviewRows, 2, this);
    m_table->setObjectName(QStringLiteral("importPreview"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setMinimumWidth(420);
    // Room for the whole preview without scrolling.
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              PreviewRows * m_table->verticalHeader()->defaultSectionSize() +
                              2 * m_table->frameWidth());
    previewLabel->setBuddy(m_table);
    m_table->setAccessibleName(tr("Förhandsvisning"));
    layout->addWidget(m_table);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("importCount"));
    m_count->setWordWrap(true);
    m_count->setTextFormat(Qt::PlainText);
    layout->addWidget(m_count);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Avbryt"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_format->setCurrentIndex(detected.format == ExchangeFormat::Kvtml ? 1 : 0);
    const auto* at = std::find(std::begin(kDelimiters), std::end(kDelimiters), detected.delimiter);
    m_delimiter->setCurrentIndex(at == std::end(kDelimiters) ? 0 : int(at - kDelimiters));
    m_header->setChecked(detected.headerRow);
    m_swap->setChecked(detected.swap);

    const auto changed = [this] {
        readOptions();
        refresh();
    };
    connect(m_format, &QComboBox::currentIndexChanged, this, changed);
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, changed);
    connect(m_header, &QCheckBox::toggled, this, changed);
    connect(m_swap, &QCheckBox::toggled, this, changed);
    readOptions();
    refresh();
}

void ImportDialog::readOptions()
{
    m_options.format = ExchangeFormat(m_format->currentData().toInt());
    const int d = std::clamp(m_delimiter->currentIndex(), 0, int(std::size(kDelimiters)) - 1);
    m_options.delimiter = kDelimiters[d];
    m_options.headerRow = m_header->isChecked();
    m_options.swap = m_swap->isChecked();
}

void ImportDialog::refresh()
{
    const bool text = m_options.format == ExchangeFormat::Delimited;
    m_delimiter->setEnabled(text);
    m_header->setEnabled(text);
    const ExchangeError error = ReadImport(m_bytes, m_options, m_list);
    if (error)
        m_list = ImportedList{};

    m_table->setHorizontalHeaderLabels({m_list.language1.value_or(tr("Vänster kolumn")),
                                        m_list.language2.value_or(tr("Höger kolumn"))});
    for (int row = 0; row < PreviewRows; ++row) {
        const bool has = size_t(row) < m_list.pairs.size();
        for (int column = 0; column < 2; ++column) {
            const QString word = !has          ? QString()
                                 : column == 0 ? m_list.pairs[size_t(row)].first
                                               : m_list.pairs[size_t(row)].second;
            auto* item = new QTableWidgetItem(word);
            m_table->setItem(row, column, item);
        }
    }
    if (error) {
        const QString why = reason(error);
        m_count->setText(why.isEmpty() ? tr("Filen kan inte läsas så.") : why);
    } else if (m_list.pairs.empty()) {
        m_count->setText(tr("Filen innehåller inga ordpar."));
    } else if (m_list.leftOut() > 0) {
        m_count->setText(tr("%1 ordpar, av dem får de första %2 plats.")
                             .arg(m_list.total)
                             .arg(m_list.pairs.size()));
    } else {
        m_count->setText(tr("%1 ordpar").arg(m_list.total));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!error && !m_list.pairs.empty());
}

QString ImportDialog::reason(const ExchangeError& error)
{
    switch (error.kind) {
    case ExchangeError::TooLarge:
        return tr("Filen är för stor för en ordlista.");
    case ExchangeError::NotText:
        return tr("Filen är ingen textfil.");
    case ExchangeError::BadXml:
        return tr("Filen är ingen giltig XML (rad %1: %2).")
            .arg(error.line)
            .arg(error.systemReason);
    case ExchangeError::NotKvtml:
        return tr("Filen är ingen KVTML-fil.");
    case ExchangeError::OwnEntities:
        return tr("Filen deklarerar egna XML-entiteter, som ordlistor aldrig behöver.");
    case ExchangeError::TooDeep:
        return tr("Filens XML är djupare nästlad än i någon ordlista.");
    case ExchangeError::FieldTooLong:
        return tr("Filen har ett ord som är för långt för en ordlista.");
    default:
        return error.systemError ? SystemError::text(error.systemError) : error.systemReason;
    }
}
