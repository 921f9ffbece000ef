// The pages "Исходные сигналы", "Фильтр. сигналы" and "Коды АЦП": the two signal charts with
// what each shows, their signal files ("Сохранить...", "Загрузить..."), and the grid of ADC
// codes with its poll box and file. The commands that reach the device are the main
// window's; this class shows what they bring.
#pragma once

#include "link/signal_memory.h"
#include "pages/signal_file.h"

#include <QObject>

#include <array>
#include <cstdint>

class QChart;
class QCheckBox;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QValueAxis;
class QWidget;

namespace tarvix {

class GridFiles;

class SignalPages : public QObject {
    Q_OBJECT
  public:
    SignalPages(const GridFiles& files, QWidget& signalsPage, QWidget& filteredPage,
                QWidget& adcPage);

    // What a chart shows: two series, X = point index.
    const SignalSeries& Shown(SignalKind kind) const { return chart(kind).data; }
    QChart* Chart(SignalKind kind) const { return chart(kind).chart; }

    // Clears both series of the kind's chart and fills them from the buffer.
    void Fill(SignalKind kind, const SignalBufferArray& buffer);
    // SaveChartCsv: asks for a file and writes the chart's series; the message for the user
    // when the file could not be written (empty otherwise, also when cancelled).
    QString SaveChart(QWidget* owner, SignalKind kind) const;
    // LoadChartCsv: asks for a file and appends its points to the chart's series; the
    // message for the user when the file was refused or could not be read.
    QString LoadChart(QWidget* owner, SignalKind kind);

    // "Получить" while a transfer runs: the other buttons wait, the button aborts.
    void ShowTransfer(SignalKind kind, bool running);
    QPushButton* TransferButton(SignalKind kind) const;

    // The ADC codes: a new row, "Сохранить в файл...", "Очистить", the poll box.
    void AddAdcRow(const std::array<std::int32_t, 6>& codes);
    void SaveAdc(QWidget* owner) const;
    void ClearAdc();
    bool AdcPolled() const;

  private:
    struct SignalChart {
        QChart* chart = nullptr;
        std::array<QLineSeries*, 2> series{};
        QValueAxis* x = nullptr;
        QValueAxis* y = nullptr;
        SignalSeries data{2};
        QPushButton* transfer = nullptr;
        QString transferText;
        std::array<QPushButton*, 3> others{};  // record, save, load
    };
    SignalChart& chart(SignalKind kind) { return charts_[kind == SignalKind::Raw ? 0 : 1]; }
    const SignalChart& chart(SignalKind kind) const {
        return charts_[kind == SignalKind::Raw ? 0 : 1];
    }
    void Draw(SignalChart& c);

    const GridFiles& files_;
    std::array<SignalChart, 2> charts_;
    QTableWidget* adc_ = nullptr;
    QCheckBox* pollAdc_ = nullptr;
};

}  // namespace tarvix
