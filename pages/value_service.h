// The value descriptors of the main window: for every register identifier and measuring-
// module parameter the controls that show it, built from the catalogue once the pages exist.
// They are the only path between the register image and the controls: a value that arrives
// is shown through them, an edited value is converted through them into the image.
#pragma once

#include "pages/catalogue.h"
#include "pages/dsp_value.h"
#include "pages/value_text.h"

#include <QChar>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tarvix {

class ValueService {
  public:
    std::vector<QPointer<QWidget>> Controls;  // the first is the primary control
    ValueDescriptor Desc;                     // format, menu, control count, combo texts
    MenuId Menu = MenuId::None;
    OnShow Handler = OnShow::None;
    bool Protected = false;
};

// The modified mark of an input control (its integer "tag": 1 = changed by the user since it
// was last shown or written). Group boxes use the same tag to be left out of page reads.
int ControlTag(const QObject* control);
void SetControlTag(QObject* control, int tag);

class Descriptors {
  public:
    // window holds the pages whose controls the catalogue names; image is the register image
    // the values are shown from and edits are converted into.
    Descriptors(RegisterImage& image, QWidget* window);
    ~Descriptors();

    // Builds DC and DspDC from the catalogue in the given language (menus), marks the
    // protected sensor data and fills the combo boxes; run at start-up and after a
    // language switch.
    void Build(int langIndex);

    ValueService* DC(int mr) const;
    ValueService* DspDC(int n) const;
    // The descriptor of identifier mr, created empty (no controls) when it has none, to carry
    // a display format. mr must be a register identifier.
    ValueService& Ensure(int mr);
    DspValueArray& DspValues() { return dspValues_; }
    const Bindings& Binds() const { return bindings_; }

    // The identifier (or parameter) a control is bound to.
    std::optional<Binding> DescriptorOf(const QWidget* control) const;

    QString ValueText(int mr, bool total, bool high, bool raw) const;
    void ShowValue(int mr, bool updateInputs);
    // A register of a read was accepted: show it, then run its after-display handler.
    void ValueArrived(int mr, bool updateInputs);
    void ShowDspValue(int n);
    void DspValueArrived(int n, const QByteArray& bytes);
    // The first modified control of the descriptor into the image / the DSP values. Throws
    // UserError on bad input (the image is then unchanged).
    void ControlToRegister(int mr);
    void ControlToDsp(int n);
    void FillCombos();
    // Shows again, in the language of the last Build, the values the labels show (a label
    // still empty stays empty); inputs keep what the user typed.
    void ReshowLabels();

    // Runs the named after-display handler (installed by the pages that own them).
    std::function<void(OnShow handler, int mr)> RunHandler;

    QChar DecimalSeparator() const { return decimal_; }

  private:
    ValueService* Make(const DescriptorSpec& entry, int langIndex);
    QWidget* FirstModified(const ValueService& vs) const;

    RegisterImage& image_;
    QWidget* window_;
    Bindings bindings_;
    std::array<std::unique_ptr<ValueService>, 1796> dc_;
    std::array<std::unique_ptr<ValueService>, kDspParams> dspDc_;
    DspValueArray dspValues_{};
    QChar decimal_;
    int langIndex_ = 0;  // of the last Build: the texts the descriptions are shown in
};

}  // namespace tarvix
