#include "dialog/qt/platform_dialogs.hpp"

#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/message_box_over_window.hpp"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace binora {

namespace {

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Text Files (*.txt)" with pattern "*.txt" stays as it is; a description without its
// patterns gets them appended in parentheses, space-separated as Qt reads them.
QString name_filter(const FileFilter& filter) {
    const QString description = from_cp1252(filter.description);
    QString patterns = from_cp1252(filter.pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns.isEmpty() || description.contains(QLatin1Char('('))) return description;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// Qt's own save dialog (a platform dialog would close before it could be asked anything),
// which asks question_before_choosing over itself when the user accepts a name: Yes lets it
// close, No keeps it open.
class SaveFileDialog final : public QFileDialog {
  public:
    explicit SaveFileDialog(const SaveFileRequest& request)
        : QFileDialog(nullptr, from_cp1252(request.title),
                      QFile::decodeName(request.initial_directory.c_str())),
          request_(request) {
        setOption(QFileDialog::DontUseNativeDialog);
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        const QFileInfo file(chosen.value(0));
        if (!chosen.isEmpty() && !file.isDir()) {
            const std::string path = QFile::encodeName(file.absoluteFilePath()).toStdString();
            if (const auto question = question_before_choosing(request_, path))
                if (!answered_yes(*question)) return;
        }
        QFileDialog::accept();
    }

  private:
    bool answered_yes(const FileDialogQuestion& question) {
        QMessageBox box(QMessageBox::Question, from_cp1252(question.caption),
                        from_cp1252(question.text), QMessageBox::Yes | QMessageBox::No, this);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    const SaveFileRequest& request_;
};

} // namespace

void show_qt_message_box(const MessageBoxRequest& request) {
    MessageBoxOverActiveWindow box(box_icon(request.icon), from_cp1252(request.caption),
                                   with_plain_line_breaks(from_cp1252(request.text)),
                                   QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> choose_save_file_with_qt(const SaveFileRequest& request) {
    SaveFileDialog dialog(request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    QStringList filters;
    for (const auto& filter : request.filters)
        filters.append(name_filter(filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto selected = static_cast<qsizetype>(request.filter_index - 1);
        dialog.selectNameFilter(filters.value(selected, filters.front()));
    }
    QString suffix = from_cp1252(request.default_extension);
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(QFileInfo(chosen.front()).absoluteFilePath()).toStdString();
}

void copy_text_with_qt(const std::string& text) {
    QGuiApplication::clipboard()->setText(from_cp1252(text));
}

} // namespace binora
