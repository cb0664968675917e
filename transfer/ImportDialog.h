#pragma once

#include "ExchangeFile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

// The import window: how the file will be read (format, delimiter, a header row, the columns'
// order) with a preview of the first pairs as they would come in.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // Rows of the preview.
    static constexpr int PreviewRows = 10;

    ImportDialog(const QString& fileName, const QByteArray& bytes, const ImportOptions& detected,
                 QWidget* parent = nullptr);

    ImportOptions options() const { return m_options; }
    // The list as the current options read it; empty pairs when they cannot.
    const ImportedList& preview() const { return m_list; }

    // Why a file could not be read, in the interface language; empty when there is no reason.
    static QString reason(const ExchangeError& error);

private:
    void readOptions();
    void refresh();

    QByteArray m_bytes;
    ImportOptions m_options;
    ImportedList m_list;

    QComboBox* m_format = nullptr;
    QComboBox* m_delimiter = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_swap = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_count = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
