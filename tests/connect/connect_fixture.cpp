#include "connect_fixture.h"

#include <QFile>

namespace tarvix {

ConnectFixture::ConnectFixture(const QByteArray& settingsText) {
    if (!settingsText.isEmpty()) {
        QFile f(IniPath());
        if (f.open(QIODevice::WriteOnly)) f.write(settingsText);
    }
    program_ = std::make_unique<Program>(dir_.path());
    program_->Log.SetJournalFilter(kFilterAll);
    form_ =
        std::make_unique<TFormSetupCom>(*program_, nullptr, std::make_unique<FixedPorts>(ports));
    form_->SetMessageBox([this](QWidget*, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
        asked.append({icon, text, buttons});
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    });
}

ConnectFixture::~ConnectFixture() {
    form_.reset();
    // The worker goes before the lists and the port it uses.
    worker_.reset();
    program_->Com.ClosePort();
}

QString ConnectFixture::IniPath() const { return dir_.filePath(QStringLiteral("Tarvix.ini")); }

QByteArray ConnectFixture::IniBytes() const {
    QFile f(IniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ConnectFixture::StartWorker() {
    if (worker_) return;
    worker_ = std::make_unique<ThreadCom>(*program_->Lists, program_->Com, program_->Worker);
    worker_->Begin();
}

QStringList ConnectFixture::Journal() const {
    QStringList lines;
    const JournalModel& model = program_->JournalList;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QString line = model.index(r).data().toString();
        const qsizetype arrow = line.indexOf(QStringLiteral("--> "));
        lines.append(arrow >= 0 ? line.mid(arrow + 4) : line);
    }
    return lines;
}

}  // namespace tarvix
