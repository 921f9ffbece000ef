// Texts of the parameter table for the carrier fluid of a two-phase fluid: rows 381-430.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kCarrierFluidTextsFirst = 381;
inline constexpr ParamText kCarrierFluidTexts[] = {
    {0x101, "", "", "", ""},  // 381 ----- Пар-ры среды-носит. -----
    // 382 CF_ApproximationMethod
    {0x202, "Способ задания плотности среды-носителя",
     "Зависимость плотности среды-носителя от температуры: 0 - полином, 1 - кусочно-линейная "
     "таблица",
     "Carrier fluid density method",
     "Temperature dependence of the carrier fluid density: 0 - polynomial, 1 - piecewise linear "
     "table"},
    // 383 CF_ApproximationPoly_a0
    {0x202, "Коэффициент a0 полинома среды-носителя",
     "Коэффициент при степени 0 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a0",
     "Coefficient of the temperature difference (t - t0) to the power 0 in the carrier fluid "
     "density polynomial"},
    // 384 CF_ApproximationPoly_a1
    {0x202, "Коэффициент a1 полинома среды-носителя",
     "Коэффициент при степени 1 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a1",
     "Coefficient of the temperature difference (t - t0) to the power 1 in the carrier fluid "
     "density polynomial"},
    // 385 CF_ApproximationPoly_a2
    {0x202, "Коэффициент a2 полинома среды-носителя",
     "Коэффициент при степени 2 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a2",
     "Coefficient of the temperature difference (t - t0) to the power 2 in the carrier fluid "
     "density polynomial"},
    // 386 CF_ApproximationPoly_a3
    {0x202, "Коэффициент a3 полинома среды-носителя",
     "Коэффициент при степени 3 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a3",
     "Coefficient of the temperature difference (t - t0) to the power 3 in the carrier fluid "
     "density polynomial"},
    // 387 CF_ApproximationPoly_a4
    {0x202, "Коэффициент a4 полинома среды-носителя",
     "Коэффициент при степени 4 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a4",
     "Coefficient of the temperature difference (t - t0) to the power 4 in the carrier fluid "
     "density polynomial"},
    // 388 CF_ApproximationPoly_a5
    {0x202, "Коэффициент a5 полинома среды-носителя",
     "Коэффициент при степени 5 разности температур (t - t0) в полиноме плотности среды-носителя",
     "Carrier fluid polynomial coefficient a5",
     "Coefficient of the temperature difference (t - t0) to the power 5 in the carrier fluid "
     "density polynomial"},
    // 389 CF_RefTemperature
    {0x202, "Опорная температура t0 среды-носителя",
     "Температура t0, относительно которой задан полином плотности среды-носителя, °C",
     "Carrier fluid reference temperature t0",
     "Temperature t0 the carrier fluid density polynomial is referred to, °C"},
    // 390 CF_PWL_Table_t0
    {0x202, "Таблица среды-носителя: температура 1",
     "Температура точки 1 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 1",
     "Temperature of point 1 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 391 CF_PWL_Table_t1
    {0x202, "Таблица среды-носителя: температура 2",
     "Температура точки 2 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 2",
     "Temperature of point 2 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 392 CF_PWL_Table_t2
    {0x202, "Таблица среды-носителя: температура 3",
     "Температура точки 3 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 3",
     "Temperature of point 3 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 393 CF_PWL_Table_t3
    {0x202, "Таблица среды-носителя: температура 4",
     "Температура точки 4 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 4",
     "Temperature of point 4 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 394 CF_PWL_Table_t4
    {0x202, "Таблица среды-носителя: температура 5",
     "Температура точки 5 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 5",
     "Temperature of point 5 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 395 CF_PWL_Table_t5
    {0x202, "Таблица среды-носителя: температура 6",
     "Температура точки 6 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 6",
     "Temperature of point 6 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 396 CF_PWL_Table_t6
    {0x202, "Таблица среды-носителя: температура 7",
     "Температура точки 7 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 7",
     "Temperature of point 7 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 397 CF_PWL_Table_t7
    {0x202, "Таблица среды-носителя: температура 8",
     "Температура точки 8 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 8",
     "Temperature of point 8 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 398 CF_PWL_Table_t8
    {0x202, "Таблица среды-носителя: температура 9",
     "Температура точки 9 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 9",
     "Temperature of point 9 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 399 CF_PWL_Table_t9
    {0x202, "Таблица среды-носителя: температура 10",
     "Температура точки 10 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 10",
     "Temperature of point 10 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 400 CF_PWL_Table_t10
    {0x202, "Таблица среды-носителя: температура 11",
     "Температура точки 11 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 11",
     "Temperature of point 11 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 401 CF_PWL_Table_t11
    {0x202, "Таблица среды-носителя: температура 12",
     "Температура точки 12 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 12",
     "Temperature of point 12 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 402 CF_PWL_Table_t12
    {0x202, "Таблица среды-носителя: температура 13",
     "Температура точки 13 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 13",
     "Temperature of point 13 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 403 CF_PWL_Table_t13
    {0x202, "Таблица среды-носителя: температура 14",
     "Температура точки 14 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 14",
     "Temperature of point 14 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 404 CF_PWL_Table_t14
    {0x202, "Таблица среды-носителя: температура 15",
     "Температура точки 15 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 15",
     "Temperature of point 15 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 405 CF_PWL_Table_t15
    {0x202, "Таблица среды-носителя: температура 16",
     "Температура точки 16 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 16",
     "Temperature of point 16 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 406 CF_PWL_Table_t16
    {0x202, "Таблица среды-носителя: температура 17",
     "Температура точки 17 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 17",
     "Temperature of point 17 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 407 CF_PWL_Table_t17
    {0x202, "Таблица среды-носителя: температура 18",
     "Температура точки 18 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 18",
     "Temperature of point 18 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 408 CF_PWL_Table_t18
    {0x202, "Таблица среды-носителя: температура 19",
     "Температура точки 19 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 19",
     "Temperature of point 19 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 409 CF_PWL_Table_t19
    {0x202, "Таблица среды-носителя: температура 20",
     "Температура точки 20 таблицы плотности среды-носителя, °C, от -273 до 1000; температуры "
     "идут по возрастанию",
     "Carrier fluid table: temperature 20",
     "Temperature of point 20 of the carrier fluid density table, °C, -273 to 1000; temperatures "
     "are in ascending order"},
    // 410 CF_PWL_Table_d0
    {0x202, "Таблица среды-носителя: плотность 1",
     "Плотность среды-носителя в точке 1 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 1",
     "Density of the carrier fluid at point 1 of the table, kg/m3, 0 to 14203"},
    // 411 CF_PWL_Table_d1
    {0x202, "Таблица среды-носителя: плотность 2",
     "Плотность среды-носителя в точке 2 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 2",
     "Density of the carrier fluid at point 2 of the table, kg/m3, 0 to 14203"},
    // 412 CF_PWL_Table_d2
    {0x202, "Таблица среды-носителя: плотность 3",
     "Плотность среды-носителя в точке 3 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 3",
     "Density of the carrier fluid at point 3 of the table, kg/m3, 0 to 14203"},
    // 413 CF_PWL_Table_d3
    {0x202, "Таблица среды-носителя: плотность 4",
     "Плотность среды-носителя в точке 4 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 4",
     "Density of the carrier fluid at point 4 of the table, kg/m3, 0 to 14203"},
    // 414 CF_PWL_Table_d4
    {0x202, "Таблица среды-носителя: плотность 5",
     "Плотность среды-носителя в точке 5 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 5",
     "Density of the carrier fluid at point 5 of the table, kg/m3, 0 to 14203"},
    // 415 CF_PWL_Table_d5
    {0x202, "Таблица среды-носителя: плотность 6",
     "Плотность среды-носителя в точке 6 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 6",
     "Density of the carrier fluid at point 6 of the table, kg/m3, 0 to 14203"},
    // 416 CF_PWL_Table_d6
    {0x202, "Таблица среды-носителя: плотность 7",
     "Плотность среды-носителя в точке 7 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 7",
     "Density of the carrier fluid at point 7 of the table, kg/m3, 0 to 14203"},
    // 417 CF_PWL_Table_d7
    {0x202, "Таблица среды-носителя: плотность 8",
     "Плотность среды-носителя в точке 8 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 8",
     "Density of the carrier fluid at point 8 of the table, kg/m3, 0 to 14203"},
    // 418 CF_PWL_Table_d8
    {0x202, "Таблица среды-носителя: плотность 9",
     "Плотность среды-носителя в точке 9 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 9",
     "Density of the carrier fluid at point 9 of the table, kg/m3, 0 to 14203"},
    // 419 CF_PWL_Table_d9
    {0x202, "Таблица среды-носителя: плотность 10",
     "Плотность среды-носителя в точке 10 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 10",
     "Density of the carrier fluid at point 10 of the table, kg/m3, 0 to 14203"},
    // 420 CF_PWL_Table_d10
    {0x202, "Таблица среды-носителя: плотность 11",
     "Плотность среды-носителя в точке 11 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 11",
     "Density of the carrier fluid at point 11 of the table, kg/m3, 0 to 14203"},
    // 421 CF_PWL_Table_d11
    {0x202, "Таблица среды-носителя: плотность 12",
     "Плотность среды-носителя в точке 12 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 12",
     "Density of the carrier fluid at point 12 of the table, kg/m3, 0 to 14203"},
    // 422 CF_PWL_Table_d12
    {0x202, "Таблица среды-носителя: плотность 13",
     "Плотность среды-носителя в точке 13 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 13",
     "Density of the carrier fluid at point 13 of the table, kg/m3, 0 to 14203"},
    // 423 CF_PWL_Table_d13
    {0x202, "Таблица среды-носителя: плотность 14",
     "Плотность среды-носителя в точке 14 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 14",
     "Density of the carrier fluid at point 14 of the table, kg/m3, 0 to 14203"},
    // 424 CF_PWL_Table_d14
    {0x202, "Таблица среды-носителя: плотность 15",
     "Плотность среды-носителя в точке 15 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 15",
     "Density of the carrier fluid at point 15 of the table, kg/m3, 0 to 14203"},
    // 425 CF_PWL_Table_d15
    {0x202, "Таблица среды-носителя: плотность 16",
     "Плотность среды-носителя в точке 16 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 16",
     "Density of the carrier fluid at point 16 of the table, kg/m3, 0 to 14203"},
    // 426 CF_PWL_Table_d16
    {0x202, "Таблица среды-носителя: плотность 17",
     "Плотность среды-носителя в точке 17 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 17",
     "Density of the carrier fluid at point 17 of the table, kg/m3, 0 to 14203"},
    // 427 CF_PWL_Table_d17
    {0x202, "Таблица среды-носителя: плотность 18",
     "Плотность среды-носителя в точке 18 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 18",
     "Density of the carrier fluid at point 18 of the table, kg/m3, 0 to 14203"},
    // 428 CF_PWL_Table_d18
    {0x202, "Таблица среды-носителя: плотность 19",
     "Плотность среды-носителя в точке 19 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 19",
     "Density of the carrier fluid at point 19 of the table, kg/m3, 0 to 14203"},
    // 429 CF_PWL_Table_d19
    {0x202, "Таблица среды-носителя: плотность 20",
     "Плотность среды-носителя в точке 20 таблицы, кг/м3, от 0 до 14203",
     "Carrier fluid table: density 20",
     "Density of the carrier fluid at point 20 of the table, kg/m3, 0 to 14203"},
    // 430 CF_PWLTable_PointsCount
    {0x202, "Количество точек таблицы среды-носителя",
     "Число действующих точек кусочно-линейной таблицы плотности среды-носителя, от 1 до 20",
     "Carrier fluid table points",
     "Number of active points of the carrier fluid piecewise linear density table, 1 to 20"},
};
static_assert(std::size(kCarrierFluidTexts) == 50);

}  // namespace tarvix::param_texts
