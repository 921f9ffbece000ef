#include "navigation.h"

#include "model/register_ids.h"

namespace tarvix {

QString PageName(int page) {
    const auto names = PageNames();
    return (page >= 0 && page < static_cast<int>(names.size()))
               ? QString::fromLatin1(names[static_cast<std::size_t>(page)])
               : QString();
}

const std::array<TreeNode, kNodeCount> kTreeNodes = {{
    {-1, "Начальная страница", "Start page", 3, 0},
    {-1, "Информация о приборе", "Device information", 3, 0},
    {-1, "Редакт. инф. о приборе", "Edit device info.", 2, 0},
    {-1, "Текущие данные", "Actual values", 3, 0},
    {3, "Графики", "Charts", 3, 0},
    {3, "Сообщения", "Messages", 3, 0},
    {-1, "Главные переменные", "Main variables", 3, 0},
    {-1, "Настройка ЖКИ", "Display setup", 3, 0},
    {7, "Поле 1", "Field 1", 3, 0},
    {7, "Поле 2", "Field 2", 3, 0},
    {-1, "Сумматоры", "Totalizers", 3, 0},
    {10, "Сумматор 1", "Totalizer 1", 3, 0},
    {10, "Сумматор 2", "Totalizer 2", 3, 0},
    {10, "Сумматор 3", "Totalizer 3", 3, 0},
    {10, "Сумматор 4", "Totalizer 4", 3, 0},
    {-1, "Сигнальные выходы", "Signal outputs", 3, 0},
    {15, "Имп/част/статусный 1 ", "Pulse/freq./status 1 ", 3, 0},
    {16, "Конфигурация", "Configuration", 3, 0},
    {15, "Част/статусный 2 ", "Frequency/status 2 ", 3, 2},
    {18, "Конфигурация", "Configuration", 3, 0},
    {15, "Статусный 3", "Status 3", 3, 3},
    {20, "Конфигурация", "Configuration", 3, 3},
    {15, "Токовый", "Current", 3, 3},
    {22, "Калибровка", "Calibration", 1, 3},
    {-1, "Входы", "Inputs", 3, 3},
    {24, "Дискретный вход 1", "Discrete input 1", 3, 3},
    {24, "Дискретный вход 2", "Discrete input 2", 3, 3},
    {-1, "Базовые функции", "Basic functions", 3, 3},
    {27, "Отсечка", "Cutoff", 3, 3},
    {27, "Приведенная плотность", "Reference density", 3, 3},
    {27, "Установка нуля", "Zero setup", 3, 3},
    {27, "Системные параметры", "System configuration", 3, 3},
    {27, "Линейная коррекция", "Linear correction", 3, 3},
    {27, "Кусочно-линейная кор.", "Piecewise linear cor.", 2, 3},
    {27, "Modbus RS-485", "Modbus RS-485", 3, 3},
    {-1, "Концентрация", "Concentration", 3, 3},
    {35, "Целевая среда", "Target Fluid", 3, 3},
    {35, "Среда-носитель", "Carrier Fluid", 3, 3},
    {-1, "Служебные параметры", "Service configuration", 1, 3},
    {-1, "Параметры сенсора", "Sensor", 2, 3},
    {-1, "DSP", "DSP", 2, 3},
    {40, "Коды АЦП", "ADC codes", 1, 3},
    {41, "Вилки", "Boundaries", 1, 3},
    {40, "Исходные сигналы", "Input signals", 2, 3},
    {40, "Фильтр. сигналы", "Filtered signals", 2, 3},
    {-1, "Опрос регистров", "Registers polling", 3, 4},
    {-1, "Отдельные параметры", "Separate parameters", 3, 4},
}};

QString NodeCaption(int node, int langIndex) {
    if (node < 0 || node >= kNodeCount) return {};
    const TreeNode& n = kTreeNodes[static_cast<std::size_t>(node)];
    return QString::fromUtf8(langIndex == 1 ? n.en : n.ru);
}

int NodePage(int node, const RegisterImage& image) {
    if (node < 0 || node >= kNodeCount) return kPageStart;
    // Output configuration nodes: 16 + PFS1_Mode (pulse 17, frequency 18, status 19) and
    // 20 + FS2_Mode (frequency 21, status 22).
    if (node == 17) {
        const int mode = image.ModbusRegs[mrPFS1_Mode];
        if (mode == 0) return kPageStart;
        return mode <= 3 ? 16 + mode : 16;
    }
    if (node == 19) {
        const int mode = image.ModbusRegs[mrFS2_Mode];
        if (mode == 0) return kPageStart;
        return mode <= 2 ? 20 + mode : 20;
    }
    return node + kTreeNodes[static_cast<std::size_t>(node)].pageOffset;
}

}  // namespace tarvix
