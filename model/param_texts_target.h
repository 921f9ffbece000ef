// Texts of the parameter table for the target fluid of a two-phase fluid (concentration
// calculation): rows 330-380.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kTargetFluidTextsFirst = 330;
inline constexpr ParamText kTargetFluidTexts[] = {
    {0x101, "", "", "", ""},  // 330 ----- Пар-ры целев. среды -----
    // 331 ConcentrationEnable
    {0x202, "Расчет концентрации",
     "Расчет величин двухфазной среды (расходы, плотности и концентрации компонентов): 0 - "
     "выключен, 1 - включен",
     "Concentration calculation",
     "Calculation of the two-phase fluid variables (component flows, densities and "
     "concentrations): 0 - Off, 1 - On"},
    // 332 TF_ApproximationMethod
    {0x202, "Способ задания плотности целевой среды",
     "Зависимость плотности целевой среды от температуры: 0 - полином, 1 - кусочно-линейная "
     "таблица",
     "Target fluid density method",
     "Temperature dependence of the target fluid density: 0 - polynomial, 1 - piecewise linear "
     "table"},
    // 333 TF_ApproximationPoly_a0
    {0x202, "Коэффициент a0 полинома целевой среды",
     "Коэффициент при степени 0 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a0",
     "Coefficient of the temperature difference (t - t0) to the power 0 in the target fluid "
     "density polynomial"},
    // 334 TF_ApproximationPoly_a1
    {0x202, "Коэффициент a1 полинома целевой среды",
     "Коэффициент при степени 1 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a1",
     "Coefficient of the temperature difference (t - t0) to the power 1 in the target fluid "
     "density polynomial"},
    // 335 TF_ApproximationPoly_a2
    {0x202, "Коэффициент a2 полинома целевой среды",
     "Коэффициент при степени 2 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a2",
     "Coefficient of the temperature difference (t - t0) to the power 2 in the target fluid "
     "density polynomial"},
    // 336 TF_ApproximationPoly_a3
    {0x202, "Коэффициент a3 полинома целевой среды",
     "Коэффициент при степени 3 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a3",
     "Coefficient of the temperature difference (t - t0) to the power 3 in the target fluid "
     "density polynomial"},
    // 337 TF_ApproximationPoly_a4
    {0x202, "Коэффициент a4 полинома целевой среды",
     "Коэффициент при степени 4 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a4",
     "Coefficient of the temperature difference (t - t0) to the power 4 in the target fluid "
     "density polynomial"},
    // 338 TF_ApproximationPoly_a5
    {0x202, "Коэффициент a5 полинома целевой среды",
     "Коэффициент при степени 5 разности температур (t - t0) в полиноме плотности целевой среды",
     "Target fluid polynomial coefficient a5",
     "Coefficient of the temperature difference (t - t0) to the power 5 in the target fluid "
     "density polynomial"},
    // 339 TF_RefTemperature
    {0x202, "Опорная температура t0 целевой среды",
     "Температура t0, относительно которой задан полином плотности целевой среды, °C",
     "Target fluid reference temperature t0",
     "Temperature t0 the target fluid density polynomial is referred to, °C"},
    // 340 TF_PWL_Table_t0
    {0x202, "Таблица целевой среды: температура 1",
     "Температура точки 1 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 1",
     "Temperature of point 1 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 341 TF_PWL_Table_t1
    {0x202, "Таблица целевой среды: температура 2",
     "Температура точки 2 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 2",
     "Temperature of point 2 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 342 TF_PWL_Table_t2
    {0x202, "Таблица целевой среды: температура 3",
     "Температура точки 3 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 3",
     "Temperature of point 3 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 343 TF_PWL_Table_t3
    {0x202, "Таблица целевой среды: температура 4",
     "Температура точки 4 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 4",
     "Temperature of point 4 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 344 TF_PWL_Table_t4
    {0x202, "Таблица целевой среды: температура 5",
     "Температура точки 5 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 5",
     "Temperature of point 5 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 345 TF_PWL_Table_t5
    {0x202, "Таблица целевой среды: температура 6",
     "Температура точки 6 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 6",
     "Temperature of point 6 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 346 TF_PWL_Table_t6
    {0x202, "Таблица целевой среды: температура 7",
     "Температура точки 7 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 7",
     "Temperature of point 7 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 347 TF_PWL_Table_t7
    {0x202, "Таблица целевой среды: температура 8",
     "Температура точки 8 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 8",
     "Temperature of point 8 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 348 TF_PWL_Table_t8
    {0x202, "Таблица целевой среды: температура 9",
     "Температура точки 9 таблицы плотности целевой среды, °C, от -273 до 1000; температуры идут "
     "по возрастанию",
     "Target fluid table: temperature 9",
     "Temperature of point 9 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 349 TF_PWL_Table_t9
    {0x202, "Таблица целевой среды: температура 10",
     "Температура точки 10 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 10",
     "Temperature of point 10 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 350 TF_PWL_Table_t10
    {0x202, "Таблица целевой среды: температура 11",
     "Температура точки 11 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 11",
     "Temperature of point 11 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 351 TF_PWL_Table_t11
    {0x202, "Таблица целевой среды: температура 12",
     "Температура точки 12 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 12",
     "Temperature of point 12 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 352 TF_PWL_Table_t12
    {0x202, "Таблица целевой среды: температура 13",
     "Температура точки 13 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 13",
     "Temperature of point 13 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 353 TF_PWL_Table_t13
    {0x202, "Таблица целевой среды: температура 14",
     "Температура точки 14 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 14",
     "Temperature of point 14 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 354 TF_PWL_Table_t14
    {0x202, "Таблица целевой среды: температура 15",
     "Температура точки 15 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 15",
     "Temperature of point 15 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 355 TF_PWL_Table_t15
    {0x202, "Таблица целевой среды: температура 16",
     "Температура точки 16 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 16",
     "Temperature of point 16 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 356 TF_PWL_Table_t16
    {0x202, "Таблица целевой среды: температура 17",
     "Температура точки 17 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 17",
     "Temperature of point 17 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 357 TF_PWL_Table_t17
    {0x202, "Таблица целевой среды: температура 18",
     "Температура точки 18 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 18",
     "Temperature of point 18 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 358 TF_PWL_Table_t18
    {0x202, "Таблица целевой среды: температура 19",
     "Температура точки 19 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 19",
     "Temperature of point 19 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 359 TF_PWL_Table_t19
    {0x202, "Таблица целевой среды: температура 20",
     "Температура точки 20 таблицы плотности целевой среды, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Target fluid table: temperature 20",
     "Temperature of point 20 of the target fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 360 TF_PWL_Table_d0
    {0x202, "Таблица целевой среды: плотность 1",
     "Плотность целевой среды в точке 1 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 1",
     "Density of the target fluid at point 1 of the table, kg/m3, 0 to 14203"},
    // 361 TF_PWL_Table_d1
    {0x202, "Таблица целевой среды: плотность 2",
     "Плотность целевой среды в точке 2 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 2",
     "Density of the target fluid at point 2 of the table, kg/m3, 0 to 14203"},
    // 362 TF_PWL_Table_d2
    {0x202, "Таблица целевой среды: плотность 3",
     "Плотность целевой среды в точке 3 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 3",
     "Density of the target fluid at point 3 of the table, kg/m3, 0 to 14203"},
    // 363 TF_PWL_Table_d3
    {0x202, "Таблица целевой среды: плотность 4",
     "Плотность целевой среды в точке 4 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 4",
     "Density of the target fluid at point 4 of the table, kg/m3, 0 to 14203"},
    // 364 TF_PWL_Table_d4
    {0x202, "Таблица целевой среды: плотность 5",
     "Плотность целевой среды в точке 5 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 5",
     "Density of the target fluid at point 5 of the table, kg/m3, 0 to 14203"},
    // 365 TF_PWL_Table_d5
    {0x202, "Таблица целевой среды: плотность 6",
     "Плотность целевой среды в точке 6 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 6",
     "Density of the target fluid at point 6 of the table, kg/m3, 0 to 14203"},
    // 366 TF_PWL_Table_d6
    {0x202, "Таблица целевой среды: плотность 7",
     "Плотность целевой среды в точке 7 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 7",
     "Density of the target fluid at point 7 of the table, kg/m3, 0 to 14203"},
    // 367 TF_PWL_Table_d7
    {0x202, "Таблица целевой среды: плотность 8",
     "Плотность целевой среды в точке 8 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 8",
     "Density of the target fluid at point 8 of the table, kg/m3, 0 to 14203"},
    // 368 TF_PWL_Table_d8
    {0x202, "Таблица целевой среды: плотность 9",
     "Плотность целевой среды в точке 9 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 9",
     "Density of the target fluid at point 9 of the table, kg/m3, 0 to 14203"},
    // 369 TF_PWL_Table_d9
    {0x202, "Таблица целевой среды: плотность 10",
     "Плотность целевой среды в точке 10 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 10",
     "Density of the target fluid at point 10 of the table, kg/m3, 0 to 14203"},
    // 370 TF_PWL_Table_d10
    {0x202, "Таблица целевой среды: плотность 11",
     "Плотность целевой среды в точке 11 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 11",
     "Density of the target fluid at point 11 of the table, kg/m3, 0 to 14203"},
    // 371 TF_PWL_Table_d11
    {0x202, "Таблица целевой среды: плотность 12",
     "Плотность целевой среды в точке 12 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 12",
     "Density of the target fluid at point 12 of the table, kg/m3, 0 to 14203"},
    // 372 TF_PWL_Table_d12
    {0x202, "Таблица целевой среды: плотность 13",
     "Плотность целевой среды в точке 13 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 13",
     "Density of the target fluid at point 13 of the table, kg/m3, 0 to 14203"},
    // 373 TF_PWL_Table_d13
    {0x202, "Таблица целевой среды: плотность 14",
     "Плотность целевой среды в точке 14 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 14",
     "Density of the target fluid at point 14 of the table, kg/m3, 0 to 14203"},
    // 374 TF_PWL_Table_d14
    {0x202, "Таблица целевой среды: плотность 15",
     "Плотность целевой среды в точке 15 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 15",
     "Density of the target fluid at point 15 of the table, kg/m3, 0 to 14203"},
    // 375 TF_PWL_Table_d15
    {0x202, "Таблица целевой среды: плотность 16",
     "Плотность целевой среды в точке 16 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 16",
     "Density of the target fluid at point 16 of the table, kg/m3, 0 to 14203"},
    // 376 TF_PWL_Table_d16
    {0x202, "Таблица целевой среды: плотность 17",
     "Плотность целевой среды в точке 17 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 17",
     "Density of the target fluid at point 17 of the table, kg/m3, 0 to 14203"},
    // 377 TF_PWL_Table_d17
    {0x202, "Таблица целевой среды: плотность 18",
     "Плотность целевой среды в точке 18 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 18",
     "Density of the target fluid at point 18 of the table, kg/m3, 0 to 14203"},
    // 378 TF_PWL_Table_d18
    {0x202, "Таблица целевой среды: плотность 19",
     "Плотность целевой среды в точке 19 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 19",
     "Density of the target fluid at point 19 of the table, kg/m3, 0 to 14203"},
    // 379 TF_PWL_Table_d19
    {0x202, "Таблица целевой среды: плотность 20",
     "Плотность целевой среды в точке 20 таблицы, кг/м3, от 0 до 14203",
     "Target fluid table: density 20",
     "Density of the target fluid at point 20 of the table, kg/m3, 0 to 14203"},
    // 380 TF_PWLTable_PointsCount
    {0x202, "Количество точек таблицы целевой среды",
     "Число действующих точек кусочно-линейной таблицы плотности целевой среды, от 1 до 20",
     "Target fluid table points",
     "Number of active points of the target fluid piecewise linear density table, 1 to 20"},
};
static_assert(std::size(kTargetFluidTexts) == 51);

}  // namespace tarvix::param_texts
