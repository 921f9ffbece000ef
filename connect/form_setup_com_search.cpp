// The two searches of the COM settings dialog: every address from 1 to 255 on the selected
// port, and the configured address on every port the enumeration found. One candidate per
// tick of a 50 ms timer, so the window stays responsive and "Прервать" can stop a search.
#include "form_setup_com.h"

#include "ui_form_setup_com.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "session/program.h"

#include <QTimer>

namespace tarvix {

QString TFormSetupCom::FoundText() const {
    return Str(kStrDeviceWithAddress) + ui_->EditAddress->text() + QLatin1Char(' ') +
           Str(kStrFoundOnPort) + ui_->ComboBoxManual->currentText() + QStringLiteral(".\n") +
           Str(kStrUseThisPort);
}

QString TFormSetupCom::NotFoundAnywhereText() const {
    return Str(kStrDeviceNotFound) + ui_->EditAddress->text() + Str(kStrOnNoPort);
}

void TFormSetupCom::EndAddressSearch() {
    TimerSearch->stop();
    addressSearching_ = false;
    ui_->ButtonSearch->setText(Str(kStrSearch));
    ReleasePort();
}

void TFormSetupCom::EndPortSearch() {
    TimerSearchPort->stop();
    portSearching_ = false;
    ui_->ButtonSearchPort->setText(Str(kStrSearch));
}

// Selects the item with this text; a text the list lacks goes into the edit field, as it
// was typed there, without adding an item.
void TFormSetupCom::SelectPortText(const QString& text) {
    QComboBox& combo = *ui_->ComboBoxManual;
    const int index = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo.setCurrentIndex(index);
    else
        combo.setEditText(text);
}

void TFormSetupCom::StartAddressSearch() {
    if (addressSearching_) {
        // The address field keeps the last address tried.
        EndAddressSearch();
        return;
    }
    addressSearching_ = true;
    ui_->ButtonSearch->setText(Str(kStrAbort));
    savedAddress_ = program_.Com.Address;
    candidateAddress_ = kFirstAddress;
    // The field shows each candidate as it is tried; what it held (perhaps an address no
    // device has, which opening the port would refuse) does not matter to the search.
    ui_->EditAddress->setText(QString::number(candidateAddress_));
    try {
        // A port that does not open has said why in its message box; the button keeps
        // "Прервать" until pressed again, which closes nothing.
        if (ReopenPort()) TryNextAddress();
    } catch (const UserError& e) {
        ShowUserError(message_, this, e);
    }
}

void TFormSetupCom::TryNextAddress() {
    TimerSearch->stop();
    // The port is open for the whole search; each candidate only changes the address
    // the requests carry.
    program_.Com.Address = static_cast<std::uint8_t>(candidateAddress_);
    ui_->EditAddress->setText(QString::number(candidateAddress_));
    bool found = false;
    try {
        found = CheckDevice(false);
    } catch (const UserError& e) {
        EndAddressSearch();
        ShowUserError(message_, this, e);
        return;
    }
    if (found && Message(QMessageBox::Question, FoundText(), QMessageBox::Yes | QMessageBox::No) ==
                     QMessageBox::Yes) {
        EndAddressSearch();
        return;
    }
    ++candidateAddress_;
    if (candidateAddress_ > kLastAddress) {
        // ComSetup keeps the last address tried until the next ApplySettings; the field
        // shows the address the search started from.
        Message(QMessageBox::Information, NotFoundAnywhereText(), QMessageBox::Ok);
        ui_->EditAddress->setText(QString::number(savedAddress_));
        EndAddressSearch();
        return;
    }
    TimerSearch->start();
}

void TFormSetupCom::StartPortSearch() {
    if (portSearching_) {
        // The list keeps the last port tried selected; that port was closed after its check.
        EndPortSearch();
        return;
    }
    portSearching_ = true;
    ui_->ButtonSearchPort->setText(Str(kStrAbort));
    savedPort_ = program_.Com.PortName;
    ui_->ComboBoxManual->setCurrentIndex(0);
    TryNextPort();
}

void TFormSetupCom::TryNextPort() {
    TimerSearchPort->stop();
    QComboBox& combo = *ui_->ComboBoxManual;
    const int index = combo.currentIndex();
    // Only ports the enumeration found are tried: a name kept from the settings may be a
    // port of another machine, and opening it would only show an error.
    if (index >= 0 && IsEnumerated(index)) {
        try {
            if (ReopenPort()) {
                const bool found = CheckDevice(true);
                if (found && Message(QMessageBox::Question, FoundText(),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
                    ReleasePort();
                    EndPortSearch();
                    return;
                }
                ReleasePort();
            }
        } catch (const UserError& e) {
            // Wrong input in the dialog or a dead worker: the next port would fail the same.
            ReleasePort();
            EndPortSearch();
            ShowUserError(message_, this, e);
            return;
        }
    }
    if (index >= combo.count() - 1) {
        Message(QMessageBox::Information, NotFoundAnywhereText(), QMessageBox::Ok);
        SelectPortText(savedPort_);
        EndPortSearch();
        return;
    }
    combo.setCurrentIndex(index + 1);
    TimerSearchPort->start();
}

}  // namespace tarvix
