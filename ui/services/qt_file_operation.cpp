#include "ui/services/qt_file_operation.h"

#include "ui/services/qt_file_questions.h"
#include "ui/text_codec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>
#include <limits>

namespace zyntra {
namespace {

constexpr int kSteps = 1000;

class ProgressUi : public FileOperationUi {
public:
    ProgressUi(const FileOpRequest& request, const FileQuestions& questions, QWidget* owner,
               const QString& title, std::chrono::milliseconds moment)
        : request_(request), questions_(questions), owner_(owner), dialog_(owner),
          momentMs_(static_cast<int>(moment.count())) {
        dialog_.setObjectName(QStringLiteral("FileProgressDialog"));
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        // Shown by Breathe() only: the dialog's own timer would show it over a question that
        // waits for the user, such as the delete confirmation.
        dialog_.setMinimumDuration(std::numeric_limits<int>::max());
        // The dialog stays up through the final flush, past its last step.
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.setRange(0, kSteps);
        dialog_.setValue(0);
        started_.start();
    }

    ClashAnswer AskClash(const std::string&, const std::string& target) override {
        return questions_.AskClash(Parent(), target);
    }
    bool ConfirmDelete(const std::vector<std::string>& paths) override {
        return questions_.ConfirmDelete(Parent(), paths);
    }
    ErrorAnswer AskError(const FileOpError& error) override {
        return questions_.AskError(Parent(), error);
    }
    void Refused(const FileOpError& error) override { questions_.ShowRefusal(Parent(), error); }

    bool Progress(std::size_t fileIndex, std::uint64_t done, std::uint64_t total) override {
        if (fileIndex != shownFile_) {
            shownFile_ = fileIndex;
            fileName_ = QFileInfo(PathText(request_.sources[fileIndex])).fileName();
        }
        dialog_.setLabelText(Label(fileIndex, done, total));
        dialog_.setValue(Step(fileIndex, done, total));
        Breathe();
        return !dialog_.wasCanceled();
    }

    void FinishingWrites() override {
        dialog_.setCancelButton(nullptr);
        dialog_.setLabelText(questions_.Text("SM_FileOpFinishing"));
        dialog_.setValue(kSteps);
        Breathe();
    }
    void StillFinishing() override { Breathe(); }

private:
    // A question stands over the progress when that is up, else over the window.
    QWidget* Parent() { return dialog_.isVisible() ? &dialog_ : owner_; }

    int Step(std::size_t fileIndex, std::uint64_t done, std::uint64_t total) const {
        double part = total == 0 ? 0.0 : static_cast<double>(done) / static_cast<double>(total);
        double whole =
            (static_cast<double>(fileIndex) + part) / static_cast<double>(request_.sources.size());
        return static_cast<int>(whole * kSteps);
    }

    QString Label(std::size_t fileIndex, std::uint64_t done, std::uint64_t total) const {
        const QLocale locale;
        QString count = QStringLiteral("%1 / %2").arg(fileIndex + 1).arg(request_.sources.size());
        if (total == 0)
            return fileName_ + QLatin1Char('\n') + count;
        return fileName_ + QLatin1Char('\n') + count + QStringLiteral("    ") +
               locale.formattedDataSize(static_cast<qint64>(done)) + QStringLiteral(" / ") +
               locale.formattedDataSize(static_cast<qint64>(total));
    }

    // Lets Cancel and repaints through; after a moment the dialog shows itself.
    void Breathe() {
        if (!dialog_.isVisible() && !dialog_.wasCanceled() && started_.elapsed() >= momentMs_)
            dialog_.show();
        QCoreApplication::processEvents();
    }

    const FileOpRequest& request_;
    const FileQuestions& questions_;
    QWidget* owner_;
    QProgressDialog dialog_;
    QElapsedTimer started_;
    int momentMs_;
    std::size_t shownFile_ = static_cast<std::size_t>(-1);
    QString fileName_;
};

} // namespace

QtFileOperation::QtFileOperation(const TextCodec& codec, std::string title)
    : codec_(codec), title_(std::move(title)) {}

FileOpResult QtFileOperation::Run(const FileOpRequest& request) {
    const QString title = codec_.ToQString(request.title.empty() ? title_ : request.title);
    FileQuestions questions(codec_, title);
    ProgressUi ui(request, questions, owner_, title, moment_);
    return RunFileOperation(request, ui);
}

} // namespace zyntra
