// The module's global name tables: 36 load-case texts and 71 drawing block-name lists, constant data.
//
// Every table is constant-initialised (constinit): the texts and lists are part of the module's image
// from the moment it is loaded until it is unloaded, and loading runs no code for them. Each list
// holds the names of its groups of block names one after another, in the given order. No operation
// of the component reads them; the accessors serve inspection only.

#include "tables/name_tables.h"

#include <iterator>
#include <stdexcept>
#include <string>

namespace {

// Load-case names of bridge design, preceded by the two-character marker "##".
constinit const std::string_view g_loadCases[] = {
    "##",         // two-character marker text; not a load case
    "结构重力",   // self-weight of the structure
    "预加力",     // prestressing force
    "预二次矩",   // secondary moment of prestressing
    "土的重力",   // weight of soil
    "土的侧压力", // lateral earth pressure
    "收缩",       // shrinkage of concrete
    "徐变",       // creep of concrete
    "水浮力",     // buoyancy
    "基础变位",   // displacement (settlement) of foundations
    "汽车",       // road vehicle load
    "人群",       // crowd (pedestrian) load
    "汽车冲击",   // dynamic impact of road vehicles
    "汽车离心",   // centrifugal force of road vehicles
    "汽车制动",   // braking force of road vehicles
    "汽车土侧",   // lateral earth pressure caused by road vehicles
    "风荷载",     // wind load
    "整体温度",   // uniform temperature change
    "梯度温度",   // temperature gradient
    "支座摩擦",   // bearing friction
    "水压力",     // water (stream) pressure
    "冰压力",     // ice pressure
    "列车",       // train load
    "列车离心",   // centrifugal force of trains
    "列车制动",   // braking force of trains
    "列车竖向",   // vertical action of trains
    "钢轨纵向",   // longitudinal rail force
    "横向摇摆",   // lateral swaying force of trains
    "列车土侧",   // lateral earth pressure caused by trains
    "波浪",       // wave force
    "列车脱轨",   // train derailment load
    "端轨力",     // rail end force
    "地震",       // earthquake action
    "船只撞击",   // ship collision
    "汽车撞击",   // vehicle collision
    "施工荷载",   // construction load
};

// Drawing block names, list by list; a list made of several groups (of at most twelve names each)
// names its groups in comments.

constinit const std::string_view g_blockList01[] = {
    "QMKV_PG001_T01_01_p01", "QMKV_PG001_T01_01_p02", "QMKV_PG001_T01_01_p03", "QMKV_PG001_T01_01_p04",
    "QMKV_PG001_T01_01_p05", "QMKV_PG001_T01_01_p06", "QMKV_PG001_T01_01_p07", "QMKV_PG001_T01_01_p08",
    "QMKV_PG001_T01_01_p09",
};

constinit const std::string_view g_blockList02[] = {
    "QMKV_PG_003_T01_CT01_B01", "QMKV_PG_003_T01_CT01_B02", "QMKV_PG_003_T01_CT01_B03", "QMKV_PG_003_T01_CT01_B04",
    "QMKV_PG_003_T01_CT01_B05", "QMKV_PG_003_T01_CT01_B06", "QMKV_PG_003_T01_CT01_B07", "QMKV_PG_003_T01_CT01_B08",
    "QMKV_PG_003_T01_CT01_B09",
};

constinit const std::string_view g_blockList03[] = {
    "QMKV_PG_003_T01_CT01_XB01", "QMKV_PG_003_T01_CT01_XB02", "QMKV_PG_003_T01_CT01_XB03",
    "QMKV_PG_003_T01_CT01_XB04", "QMKV_PG_003_T01_CT01_XB05", "QMKV_PG_003_T01_CT01_XB06",
    "QMKV_PG_003_T01_CT01_XB07", "QMKV_PG_003_T01_CT01_XB08", "QMKV_PG_003_T01_CT01_XB09",
    "QMKV_PG_003_T01_CT01_XB10",
};

constinit const std::string_view g_blockList04[] = {
    "QMKV_PG_003_T01_CT02_B01", "QMKV_PG_003_T01_CT02_B02", "QMKV_PG_003_T01_CT02_B03", "QMKV_PG_003_T01_CT02_B04",
    "QMKV_PG_003_T01_CT02_B05", "QMKV_PG_003_T01_CT02_B05'", "QMKV_PG_003_T01_CT02_B06", "QMKV_PG_003_T01_CT02_B07",
    "QMKV_PG_003_T01_CT02_B08", "QMKV_PG_003_T01_CT02_B09", "QMKV_PG_003_T01_CT02_B08'",
};

constinit const std::string_view g_blockList05[] = {
    // group 1 of 3
    "QMKV_PG_003_T01_03_001", "QMKV_PG_003_T01_03_002", "QMKV_PG_003_T01_03_003", "QMKV_PG_003_T01_03_004",
    "QMKV_PG_003_T01_03_005", "QMKV_PG_003_T01_03_006", "QMKV_PG_003_T01_03_007", "QMKV_PG_003_T01_03_008",
    "QMKV_PG_003_T01_03_009", "QMKV_PG_003_T01_03_010",
    // group 2 of 3
    "QMKV_PG_003_T01_03_011", "QMKV_PG_003_T01_03_012", "QMKV_PG_003_T01_03_013", "QMKV_PG_003_T01_03_014",
    "QMKV_PG_003_T01_03_015", "QMKV_PG_003_T01_03_016", "QMKV_PG_003_T01_03_017", "QMKV_PG_003_T01_03_018",
    // group 3 of 3
    "QMKV_PG_003_T01_03_019", "QMKV_PG_003_T01_03_020", "QMKV_PG_003_T01_03_021", "QMKV_PG_003_T01_03_022[1]",
    "QMKV_PG_003_T01_03_022[2]", "QMKV_PG_003_T01_03_023",
};

constinit const std::string_view g_blockList06[] = {
    "QMKV_PG_005_T01_LM", "QMKV_PG_005_T01_GJDY_01", "QMKV_PG_005_T01_GJDY_02", "QMKV_PG_005_T01_GJDY_03",
    "QMKV_PG_005_T01_GJDY_04", "QMKV_PG_005_T01_PMA", "QMKV_PG_005_T01_PMB", "QMKV_PG_005_T01_PMC",
    "QMKV_PG_005_T01_GJB1", "QMKV_PG_005_T01_GJB2", "QMKV_PG_005_T01_GJBa", "QMKV_PG_005_T01_FZ",
};

constinit const std::string_view g_blockList07[] = {
    "QMKV_PG_007_T01_p01", "QMKV_PG_007_T01_p02", "QMKV_PG_007_T01_p03", "QMKV_PG_007_T01_p04",
    "QMKV_PG_007_T01_p05", "QMKV_PG_007_T01_p06", "QMKV_PG_007_T01_p07",
};

constinit const std::string_view g_blockList08[] = {
    "QMKV_PG_007_T02_p01", "QMKV_PG_007_T02_p02", "QMKV_PG_007_T02_p03", "QMKV_PG_007_T02_p04",
    "QMKV_PG_007_T02_p05", "QMKV_PG_007_T02_p06", "QMKV_PG_007_T02_p07", "QMKV_PG_007_T02_p08",
    "QMKV_PG_007_T02_p09",
};

constinit const std::string_view g_blockList09[] = {
    "QMKV_PG_008_T01_XB01", "QMKV_PG_008_T01_XB02", "QMKV_PG_008_T01_XB03", "QMKV_PG_008_T01_XB04",
    "QMKV_PG_008_T01_XB05", "QMKV_PG_008_T01_XB06", "QMKV_PG_008_T01_XB07", "QMKV_PG_008_T01_XB08",
};

constinit const std::string_view g_blockList10[] = {
    // group 1 of 2
    "QMKV_PC_001_ZT01_B01", "QMKV_PC_001_ZT01_B02", "QMKV_PC_001_ZT01_B03", "QMKV_PC_001_ZT01_B04",
    "QMKV_PC_001_ZT01_B05", "QMKV_PC_001_ZT01_B06", "QMKV_PC_001_ZT01_B07", "QMKV_PC_001_ZT01_B08",
    "QMKV_PC_001_ZT01_B09", "QMKV_PC_001_ZT01_B10", "QMKV_PC_001_ZT01_B11", "QMKV_PC_001_ZT01_B12",
    // group 2 of 2
    "QMKV_PC_001_ZT01_B13", "QMKV_PC_001_ZT01_B14", "QMKV_PC_001_ZT01_B15", "QMKV_PC_001_ZT01_B16",
    "QMKV_PC_001_ZT01_B17", "QMKV_PC_001_ZT01_B18",
};

constinit const std::string_view g_blockList11[] = {
    "QMKV_PC_001_ZT01_B01", "QMKV_PC_001_ZT01_B02", "QMKV_PC_001_ZT01_B03", "QMKV_PC_001_ZT01_B04",
    "QMKV_PC_001_ZT01_B05", "QMKV_PC_001_ZT01_B06", "QMKV_PC_001_ZT01_B07", "QMKV_PC_001_ZT01_B08",
    "QMKV_PC_001_ZT01_B09", "QMKV_PC_001_ZT01_B10", "QMKV_PC_001_ZT01_B11", "QMKV_PC_001_ZT01_B12",
};

constinit const std::string_view g_blockList12[] = {
    // group 1 of 2
    "QMKV_PM_001_T01_GJ01_LM", "QMKV_PM_001_T01_GJ01_PM", "QMKV_PM_001_T01_GJ01_DM[i]",
    "QMKV_PM_001_T01_GJ01_tFrame[i]", "QMKV_PM_001_T01_GJ01_DY01", "QMKV_PM_001_T01_GJ01_DY02",
    // group 2 of 2
    "QMKV_PM_001_T01_GJ01_DY03", "QMKV_PM_001_T01_GJ01_DY04[i]", "QMKV_PM_001_T01_GJ01_tFrameParam[i]",
    "QMKV_PM_001_T01_GJ01_DYParam", "QMKV_PM_001_T01_GJ01_ST", "QMKV_PM_001_T01_GJ01_FZ",
    "QMKV_PM_001_T01_GJ01_ST1", "QMKV_PM_001_T01_GJ01_ST2",
};

constinit const std::string_view g_blockList13[] = {
    // group 1 of 2
    "QMKV_PM_001_T01_04_01_LM", "QMKV_PM_001_T01_04_01_PM", "QMKV_PM_001_T01_04_01_SW01",
    "QMKV_PM_001_T01_04_01_SW03", "QMKV_PM_001_T01_04_01_SW04", "QMKV_PM_001_T01_04_01_SW02",
    // group 2 of 2
    "QMKV_PM_001_T01_04_01_HD[k]", "QMKV_PM_001_T01_04_01_Ta_01", "QMKV_PM_001_T01_04_01_Ta_02",
    "QMKV_PM_001_T01_04_01_Ta_03", "QMKV_PM_001_T01_04_01_FZ_01", "QMKV_PM_001_T01_04_01_Ta_06",
    "QMKV_PM_001_T01_04_01_Ta_04",
};

constinit const std::string_view g_blockList14[] = {
    "QMKVPT001T010101", "QMKVPT001T010102", "QMKVPT001T010103", "QMKVPT001T010104", "QMKVPT001T010105",
    "QMKVPT001T010106", "QMKVPT001T010107",
};

constinit const std::string_view g_blockList15[] = {
    "QMKVPT001T01BQ01p01", "QMKVPT001T01BQ01p02", "QMKVPT001T01BQ01p03", "QMKVPT001T01BQ01p04",
    "QMKVPT001T01BQ01p05", "QMKVPT001T01BQ01p06", "QMKVPT001T01BQ01p07", "QMKVPT001T01BQ01p08",
    "QMKVPT001T01BQ01p09", "QMKVPT001T01BQ01p10",
};

constinit const std::string_view g_blockList16[] = {
    // group 1 of 2
    "QMKVPT001T01BQ02p01", "QMKVPT001T01BQ02p02", "QMKVPT001T01BQ02p03", "QMKVPT001T01BQ02p04",
    "QMKVPT001T01BQ02p05", "QMKVPT001T01BQ02p06", "QMKVPT001T01BQ02p07", "QMKVPT001T01BQ02p08",
    // group 2 of 2
    "QMKVPT001T01BQ02p09", "QMKVPT001T01BQ02p10", "QMKVPT001T01BQ02p11", "QMKVPT001T01BQ02p12",
    "QMKVPT001T01BQ02p13", "QMKVPT001T01BQ02p14", "QMKVPT001T01BQ02p15",
};

constinit const std::string_view g_blockList17[] = {
    // group 1 of 2
    "QMKVPT001T01BQ02p01", "QMKVPT001T01BQ02p02", "QMKVPT001T01BQ02p03", "QMKVPT001T01BQ02p05",
    "QMKVPT001T01BQ02p06", "QMKVPT001T01BQ02p08",
    // group 2 of 2
    "QMKVPT001T01BQ02p09", "QMKVPT001T01BQ02p10", "QMKVPT001T01BQ02p11", "QMKVPT001T01BQ02p12",
    "QMKVPT001T01BQ02p13", "QMKVPT001T01BQ02p14",
};

constinit const std::string_view g_blockList18[] = {
    "PTDABANGZp01", "PTDABANGZp02", "PTDABANGZp03", "PTDABANGZp04",
};

constinit const std::string_view g_blockList19[] = {
    // group 1 of 2
    "PT001DS01p01", "PT001DS01p02", "PT001DS01p03", "PT001DS01p04", "PG006T01p0101", "PG006T01p0102",
    "PG006T01p0301", "PG006T01p0302",
    // group 2 of 2
    "PG006T01p05", "PG006T01p07", "PG006T01p09", "PG006T01p10", "PG006T01p11", "PG006T01p12", "PG006T01p13",
};

constinit const std::string_view g_blockList20[] = {
    "QMKVPT001T0102p01", "QMKVPT001T0102p02", "QMKVPT001T0102p03", "QMKVPT001T0102p04", "QMKVPT001T0102p05",
    "QMKVPT001T0102p06", "QMKVPT001T0102p07", "QMKVPT001T0102p08", "QMKVPT001T0102p09",
};

constinit const std::string_view g_blockList21[] = {
    "QMKVPT001T0101p01", "QMKVPT001T0101p02", "QMKVPT001T0101p03", "QMKVPT001T0101p04", "QMKVPT001T0101p05",
    "QMKVPT001T0101p06", "QMKVPT001T0101p07", "QMKVPT001T0101p08", "QMKVPT001T0101p09", "QMKVPT001T0101p10",
    "QMKVPT001T0101p11",
};

constinit const std::string_view g_blockList22[] = {
    "PT002T0101_01", "PT002T0101_02", "PT002T0101_03", "PT002T0101_04", "PT002T0101_05", "PT002T0101_06",
    "PT002T0101_07",
};

constinit const std::string_view g_blockList23[] = {
    // group 1 of 2
    "PT002_T01_BQ01_p01", "PT002_T01_BQ01_p02", "PT002_T01_BQ01_p03", "PT002_T01_BQ01_p04", "PT002_T01_BQ01_p05",
    "PT002_T01_BQ01_p06", "PT002_T01_BQ01_p07", "PT002_T01_BQ01_p08",
    // group 2 of 2
    "PT002_T01_BQ01_p09", "PT002_T01_BQ01_p10", "PT002_T01_BQ01_p11", "PT002_T01_BQ01_p12", "PT002_T01_BQ01_p13",
};

constinit const std::string_view g_blockList24[] = {
    // group 1 of 2
    "PT002_T01_BQ02_p01", "PT002_T01_BQ02_p02", "PT002_T01_BQ02_p03", "PT002_T01_BQ02_p04", "PT002_T01_BQ02_p05",
    "PT002_T01_BQ02_p06", "PT002_T01_BQ02_p07", "PT002_T01_BQ02_p08",
    // group 2 of 2
    "PT002_T01_BQ02_p09", "PT002_T01_BQ02_p10", "PT002_T01_BQ02_p11", "PT002_T01_BQ02_p12", "PT002_T01_BQ02_p13",
    "PT002_T01_BQ02_p14", "PT002_T01_BQ02_p15", "PT002_T01_BQ02_p16", "PT002_T01_BQ02_p17",
};

constinit const std::string_view g_blockList25[] = {
    // group 1 of 2
    "PT002_T01_BQ02_p01", "PT002_T01_BQ02_p02", "PT002_T01_BQ02_p03", "PT002_T01_BQ02_p05", "PT002_T01_BQ02_p06",
    "PT002_T01_BQ02_p08",
    // group 2 of 2
    "PT002_T01_BQ02_p09", "PT002_T01_BQ02_p10", "PT002_T01_BQ02_p11", "PT002_T01_BQ02_p12", "PT002_T01_BQ02_p13",
    "PT002_T01_BQ02_p14", "PT002_T01_BQ02_p16", "PT002_T01_BQ02_p17",
};

constinit const std::string_view g_blockList26[] = {
    "PT002T01DABAN01p01", "PT002T01DABAN01p02", "PT002T01DABAN01p03", "PT002T01DABAN01p04",
};

constinit const std::string_view g_blockList27[] = {
    // group 1 of 2
    "PT002T01DS01p01", "PT002T01DS01p02", "PT002T01DS01p03", "PT002T01DS01p04", "PG006T01p01", "PG006T01p01_2",
    "PG006T01p03", "PG006T01p03_2",
    // group 2 of 2
    "PG006T01p05", "PG006T01p07", "PG006T01p09", "PG006T01p10", "PG006T01p11", "PG006T01p12", "PG006T01p13",
    "PG006T01p11a",
};

constinit const std::string_view g_blockList28[] = {
    "QMKV_PM_001_T01_GZ_DZLM", "QMKV_PM_001_T01_GZ_DZCM", "QMKV_PM_001_T01_GZ_DZPM", "QMKV_PM_001_T01_GZ_JCPM",
    "QMKV_PM_001_T01_GZ_DZFZ",
};

constinit const std::string_view g_blockList29[] = {
    "QMKV_PM_001_T02_LM01", "QMKV_PM_001_T02_LM02", "QMKV_PM_001_T02_PM", "QMKV_PM_001_T02_FZ",
};

constinit const std::string_view g_blockList30[] = {
    // group 1 of 2
    "QMKV_PG006_T01_p01_01", "QMKV_PG006_T01_p01_02", "QMKV_PG006_T01_p02_01", "QMKV_PG006_T01_p02_02",
    "QMKV_PG006_T01_p03_01", "QMKV_PG006_T01_p03_02", "QMKV_PG006_T01_p04", "QMKV_PG006_T01_p05",
    // group 2 of 2
    "QMKV_PG006_T01_p06", "QMKV_PG006_T01_p07", "QMKV_PG006_T01_p08", "QMKV_PG006_T01_p09", "QMKV_PG006_T01_p10",
    "QMKV_PG006_T01_p11", "QMKV_PG006_T01_FZ02",
};

constinit const std::string_view g_blockList31[] = {
    "QMKV_PC_001_T01_B01", "QMKV_PC_001_T01_B02", "QMKV_PC_001_T01_B03", "QMKV_PC_001_T01_B04",
    "QMKV_PC_001_T01_B05", "QMKV_PC_001_T01_B06", "QMKV_PC_001_T01_B07",
};

constinit const std::string_view g_blockList32[] = {
    "QMKV_PG_006_T01_p01", "QMKV_PG_006_T01_p01_2", "QMKV_PG_006_T01_p02", "QMKV_PG_006_T01_p02_2",
    "QMKV_PG_006_T01_p05", "QMKV_PG_006_T01_p06", "QMKV_PG_006_T01_p09", "QMKV_PG_006_T01_p10",
    "QMKV_PG_006_T01_p11",
};

constinit const std::string_view g_blockList33[] = {
    "QMKV_SG_001_T01_j_01", "QMKV_SG_001_T01_j_02", "QMKV_SG_001_T01_j_03", "QMKV_SG_001_T01_j_04",
    "QMKV_SG_001_T01_j_05", "QMKV_SG_001_T01_j_06",
};

constinit const std::string_view g_blockList34[] = {
    // group 1 of 3
    "QMKVSC001T01_a01", "QMKVSC001T01_a02", "QMKVSC001T01_a03", "QMKVSC001T01_a04", "QMKVSC001T01_a05",
    "QMKVSC001T01_a06", "QMKVSC001T01_a07",
    // group 2 of 3
    "QMKVSC001T01_c01", "QMKVSC001T01_c02", "QMKVSC001T01_c03",
    // group 3 of 3
    "QMKVSC001T01_b01", "QMKVSC001T01_b02", "QMKVSC001T01_b03",
};

constinit const std::string_view g_blockList35[] = {
    // group 1 of 2
    "QMKVSC001T0101_01", "QMKVSC001T0101_02", "QMKVSC001T0101_03", "QMKVSC001T0101_04", "QMKVSC001T0101_05",
    "QMKVSC001T0101_06", "QMKVSC001T0101_07", "QMKVSC001T0101_08",
    // group 2 of 2
    "QMKVSC001T0101_09", "QMKVSC001T0101_10", "QMKVSC001T0101_11", "QMKVSC001T0101_12", "QMKVSC001T0101_13",
    "QMKVSC001T0101_14", "QMKVSC001T0101_15", "QMKVSC001T0101_16", "QMKVSC001T0101_17",
};

constinit const std::string_view g_blockList36[] = {
    // group 1 of 2
    "QMKVSC001T0104_01", "QMKVSC001T0104_02", "QMKVSC001T0104_03", "QMKVSC001T0101_04", "QMKVSC001T0101_05",
    "QMKVSC001T0104_06", "QMKVSC001T0104_07", "QMKVSC001T0104_08", "QMKVSC001T0104_09", "QMKVSC001T0104_10",
    // group 2 of 2
    "QMKVSC001T0104_11", "QMKVSC001T0104_12", "QMKVSC001T0104_13", "QMKVSC001T0104_14", "QMKVSC001T0104_15",
    "QMKVSC001T0104_16", "QMKVSC001T0104_17", "QMKVSC001T0104_18", "QMKVSC001T0104_19", "QMKVSC001T0104_20",
};

constinit const std::string_view g_blockList37[] = {
    "QMKVSC001T0104Frm01", "QMKVSC001T0104Frm02", "QMKVSC001T0104Frm03", "QMKVSC001T0104Frm04",
    "QMKVSC001T0104Frm05", "QMKVSC001T0104Frm06", "QMKVSC001T0104Frm07",
};

constinit const std::string_view g_blockList38[] = {
    "QMKVSC001T0105_01", "QMKVSC001T0105_02", "QMKVSC001T0105_03", "QMKVSC001T0105_04", "QMKVSC001T0105_05",
    "QMKVSC001T0105_06", "QMKVSC001T0105_07", "QMKVSC001T0105_08",
};

constinit const std::string_view g_blockList39[] = {
    // group 1 of 2
    "QMKVSC001T010601_01", "QMKVSC001T010601_02", "QMKVSC001T010601_03", "QMKVSC001T010601_04",
    "QMKVSC001T010601_05", "QMKVSC001T010601_06", "QMKVSC001T010601_07", "QMKVSC001T010601_08",
    "QMKVSC001T010601_09", "QMKVSC001T010601_10", "QMKVSC001T010601_11",
    // group 2 of 2
    "QMKVSC001T010601_07_1", "QMKVSC001T010601_07_2", "QMKVSC001T010601_08_2",
};

constinit const std::string_view g_blockList40[] = {
    "QMKVSC001T010602_01", "QMKVSC001T010602_02", "QMKVSC001T010602_03", "QMKVSC001T010602_04",
    "QMKVSC001T010602_05", "QMKVSC001T010602_06", "QMKVSC001T010602_07", "QMKVSC001T010602_08",
};

constinit const std::string_view g_blockList41[] = {
    "QMKVSC001T0107_01", "QMKVSC001T0107_02", "QMKVSC001T0107_03", "QMKVSC001T0107_04", "QMKVSC001T0107_05",
    "QMKVSC001T0107_06", "QMKVSC001T0107_07", "QMKVSC001T0107_08", "QMKVSC001T0107_09", "QMKVSC001T0107_10",
    "QMKVSC001T0107_11",
};

constinit const std::string_view g_blockList42[] = {
    // group 1 of 4
    "QMKVSC001T0102a01", "QMKVSC001T0102a02", "QMKVSC001T0102a03", "QMKVSC001T0102a04", "QMKVSC001T0102a05",
    "QMKVSC001T0102a06", "QMKVSC001T0102a07", "QMKVSC001T0102a08",
    // group 2 of 4
    "QMKVSC001T0102a09", "QMKVSC001T0102a10", "QMKVSC001T0102a11", "QMKVSC001T0102a12", "QMKVSC001T0102a13",
    "QMKVSC001T0102a14", "QMKVSC001T0102a15", "QMKVSC001T0102a16",
    // group 3 of 4
    "QMKVSC001T0102a17", "QMKVSC001T0102a18", "QMKVSC001T0102a19", "QMKVSC001T0102a20", "QMKVSC001T0102a21",
    "QMKVSC001T0102a22", "QMKVSC001T0102a23", "QMKVSC001T0102a24", "QMKVSC001T0102a25",
    // group 4 of 4
    "QMKVSC001T0102a26", "QMKVSC001T0102a27", "QMKVSC001T0102a28",
};

constinit const std::string_view g_blockList43[] = {
    // group 1 of 3
    "QMKVSC001T0102a01", "QMKVSC001T0102a02", "QMKVSC001T0102a03", "QMKVSC001T0102a04", "QMKVSC001T0102a07",
    "QMKVSC001T0102a06", "QMKVSC001T0102a05", "QMKVSC001T0102aQFBGSDY",
    // group 2 of 3
    "QMKVSC001T0102aQDingGSDY", "QMKVSC001T0102aQDiGSDY", "QMKVSC001T0102aQOneFBGSDY", "QMKVSC001T0102aQOneGSDY",
    "QMKVSC001T0102a10", "QMKVSC001T0102a15", "QMKVSC001T0102a13", "QMKVSC001T0102a14",
    // group 3 of 3
    "QMKVSC001T0102a16", "QMKVSC001T0102a17", "QMKVSC001T0102a18", "QMKVSC001T0102a19", "QMKVSC001T0102a20",
    "QMKVSC001T0102a21", "QMKVSC001T0102a22", "QMKVSC001T0102a23", "QMKVSC001T0102a24",
};

constinit const std::string_view g_blockList44[] = {
    // group 1 of 6
    "QMKVSC002T0101a01", "QMKVSC002T0101a02", "QMKVSC002T0101a03", "QMKVSC002T0101b01", "QMKVSC002T0101b02",
    "QMKVSC002T0101b03",
    // group 2 of 6
    "QMKVSC002T0101c01", "QMKVSC002T0101c02", "QMKVSC002T0101c03", "QMKVSC002T0101c04", "QMKVSC002T0101c05",
    "QMKVSC002T0101c06", "QMKVSC002T0101c07",
    // group 3 of 6
    "QMKVSC002T0101d01", "QMKVSC002T0101d02", "QMKVSC002T0101d03", "QMKVSC002T0101e01", "QMKVSC002T0101e02",
    "QMKVSC002T0101e03",
    // group 4 of 6
    "QMKVSC002T0101f01", "QMKVSC002T0101f02", "QMKVSC002T0101f03", "QMKVSC002T0101f04", "QMKVSC002T0101f05",
    // group 5 of 6
    "QMKVSC002T0101g01", "QMKVSC002T0101g02", "QMKVSC002T0101g03", "QMKVSC002T0101g04", "QMKVSC002T0101g05",
    // group 6 of 6
    "QMKVSC002T0101h01", "QMKVSC002T0101h02",
};

constinit const std::string_view g_blockList45[] = {
    // group 1 of 2
    "QMKVSC002T0102a01", "QMKVSC002T0102a02", "QMKVSC002T0102a03", "QMKVSC002T0102a04", "QMKVSC002T0102a05",
    "QMKVSC002T0102a06", "QMKVSC002T0102a07", "QMKVSC002T0102a08",
    // group 2 of 2
    "QMKVSC002T0102b01", "QMKVSC002T0102b02", "QMKVSC002T0102b03", "QMKVSC002T0102b04", "QMKVSC002T0102b05",
    "QMKVSC002T0102b06", "QMKVSC002T0102b07",
};

constinit const std::string_view g_blockList46[] = {
    "QMKVSC002T010301", "QMKVSC002T010302", "QMKVSC002T010303", "QMKVSC002T010304", "QMKVSC002T010305",
    "QMKVSC002T010306", "QMKVSC002T010307", "QMKVSC002T010308",
};

constinit const std::string_view g_blockList47[] = {
    // group 1 of 7
    "QMKVSC002T0104a01", "QMKVSC002T0104a02", "QMKVSC002T0104a03", "QMKVSC002T0104a04", "QMKVSC002T0104a05",
    // group 2 of 7
    "QMKVSC002T0104b01", "QMKVSC002T0104b02", "QMKVSC002T0104b03", "QMKVSC002T0104b04",
    // group 3 of 7
    "QMKVSC002T0104c01", "QMKVSC002T0104c02", "QMKVSC002T0104c03", "QMKVSC002T0104c04", "QMKVSC002T0104c05",
    "QMKVSC002T0104c06", "QMKVSC002T0104c07", "QMKVSC002T0104c08",
    // group 4 of 7
    "QMKVSC002T0104d01", "QMKVSC002T0104d02", "QMKVSC002T0104d03", "QMKVSC002T0104d04", "QMKVSC002T0104d05",
    // group 5 of 7
    "QMKVSC002T0104e01", "QMKVSC002T0104e02", "QMKVSC002T0104e03", "QMKVSC002T0104e04",
    // group 6 of 7
    "QMKVSC002T0104f01", "QMKVSC002T0104f02", "QMKVSC002T0104f03", "QMKVSC002T0104f04", "QMKVSC002T0104f05",
    // group 7 of 7
    "QMKVSC002T0104g01", "QMKVSC002T0104g02", "QMKVSC002T0104g03", "QMKVSC002T0104g04", "QMKVSC002T0104g05",
    "QMKVSC002T0104g06", "QMKVSC002T0104g07",
};

constinit const std::string_view g_blockList48[] = {
    // group 1 of 2
    "QMKVSC002T0105a01", "QMKVSC002T0105a02",
    // group 2 of 2
    "QMKVSC002T0105b01", "QMKVSC002T0105b02", "QMKVSC002T0105b03", "QMKVSC002T0105b04", "QMKVSC002T0105b05",
    "QMKVSC002T0105b06", "QMKVSC002T0105b07",
};

constinit const std::string_view g_blockList49[] = {
    // group 1 of 2
    "QMKVSC002T0106a01", "QMKVSC002T0106a02", "QMKVSC002T0106a03", "QMKVSC002T0106a04",
    // group 2 of 2
    "QMKVSC002T0106b01", "QMKVSC002T0106b02", "QMKVSC002T0106b03", "QMKVSC002T0106b04", "QMKVSC002T0106b05",
    "QMKVSC002T0106b06",
};

constinit const std::string_view g_blockList50[] = {
    "QMKVSC002T010701", "QMKVSC002T010702", "QMKVSC002T010703", "QMKVSC002T010704", "QMKVSC002T010705",
    "QMKVSC002T010706",
};

constinit const std::string_view g_blockList51[] = {
    "QMKVSC002T010801", "QMKVSC002T010802", "QMKVSC002T010803", "QMKVSC002T010804", "QMKVSC002T010805",
    "QMKVSC002T010806", "QMKVSC002T010807", "QMKVSC002T010808", "QMKVSC002T010809", "QMKVSC002T0108010",
};

constinit const std::string_view g_blockList52[] = {
    "QMKVSC002T010901", "QMKVSC002T010902", "QMKVSC002T010903", "QMKVSC002T010904", "QMKVSC002T010905",
};

constinit const std::string_view g_blockList53[] = {
    // group 1 of 2
    "QMKVSC002T011001", "QMKVSC002T011002", "QMKVSC002T011003", "QMKVSC002T011004", "QMKVSC002T011005",
    "QMKVSC002T011006", "QMKVSC002T011007",
    // group 2 of 2
    "QMKVSC002T011008", "QMKVSC002T011009", "QMKVSC002T011010", "QMKVSC002T011011", "QMKVSC002T011012",
    "QMKVSC002T011013", "QMKVSC002T011014",
};

constinit const std::string_view g_blockList54[] = {
    "QMKVSC002T011101", "QMKVSC002T011102", "QMKVSC002T011103", "QMKVSC002T011104", "QMKVSC002T011105",
    "QMKVSC002T011106",
};

constinit const std::string_view g_blockList55[] = {
    "QMKVSC002T011201", "QMKVSC002T011202", "QMKVSC002T011203", "QMKVSC002T011204", "QMKVSC002T011205",
    "QMKVSC002T011206", "QMKVSC002T011207", "QMKVSC002T011208", "QMKVSC002T011209", "QMKVSC002T011210",
    "QMKVSC002T011211",
};

constinit const std::string_view g_blockList56[] = {
    "QMKVSC003T010101", "QMKVSC003T010102", "QMKVSC003T010103",
};

constinit const std::string_view g_blockList57[] = {
    "QMKVSC003T010201", "QMKVSC003T010202", "QMKVSC003T010203", "QMKVSC003T010204", "QMKVSC003T010205",
    "QMKVSC003T010206", "QMKVSC003T010207",
};

constinit const std::string_view g_blockList58[] = {
    "QMKVST001T010101", "QMKVST001T010102", "QMKVST001T010103", "QMKVST001T010104", "QMKVST001T010105",
    "QMKVST001T010106", "QMKVST001T010107", "QMKVST001T010107a",
};

constinit const std::string_view g_blockList59[] = {
    "QMKVST001T010201", "QMKVST001T010202", "QMKVST001T010203", "QMKVST001T010204", "QMKVST001T010205",
    "QMKVST001T010206", "QMKVST001T010207", "QMKVST001T010208", "QMKVST001T010209", "QMKVST001T010206a",
};

constinit const std::string_view g_blockList60[] = {
    // group 1 of 2
    "QMKVST001T010301", "QMKVST001T010302", "QMKVST001T010303", "QMKVST001T010304", "QMKVST001T010305",
    "QMKVST001T010306", "QMKVST001T010307", "QMKVST001T010308",
    // group 2 of 2
    "QMKVST001T010309", "QMKVST001T010310", "QMKVST001T010311", "QMKVST001T010312", "QMKVST001T010313",
    "QMKVST001T010312a",
};

constinit const std::string_view g_blockList61[] = {
    // group 1 of 2
    "QMKVST001T010401", "QMKVST001T010402", "QMKVST001T010403", "QMKVST001T010404", "QMKVST001T010405",
    "QMKVST001T010406", "QMKVST001T010407", "QMKVST001T010408",
    // group 2 of 2
    "QMKVST001T010409", "QMKVST001T010406a", "QMKVST001T010407a",
};

constinit const std::string_view g_blockList62[] = {
    "QMKVST001T010501", "QMKVST001T010502", "QMKVST001T010503", "QMKVST001T010504", "QMKVST001T010505",
    "QMKVST001T010506", "QMKVST001T010507", "QMKVST001T010507b", "QMKVST001T010502a",
};

constinit const std::string_view g_blockList63[] = {
    "QMKVST001T010601", "QMKVST001T010602", "QMKVST001T010603", "QMKVST001T010604", "QMKVST001T010605",
    "QMKVST001T010606",
};

constinit const std::string_view g_blockList64[] = {
    // group 1 of 2
    "QMKVST001T0107a01", "QMKVST001T0107a02", "QMKVST001T0107a03", "QMKVST001T0107a04", "QMKVST001T0107a05",
    "QMKVST001T0107a06", "QMKVST001T0107a07",
    // group 2 of 2
    "QMKVST001T0107b01", "QMKVST001T0107b02", "QMKVST001T0107b03", "QMKVST001T0107b04", "QMKVST001T0107b05",
    "QMKVST001T0107b06", "QMKVST001T0107b07",
};

constinit const std::string_view g_blockList65[] = {
    "QMKVSS001T0101a01", "QMKVSS001T0101a02", "QMKVSS001T0101a03", "QMKVSS001T0101a04", "QMKVSS001T0101a05",
    "QMKVSS001T0101a06", "QMKVSS001T0101a07", "QMKVSS001T0101a08",
};

constinit const std::string_view g_blockList66[] = {
    "QMKVSS001T0101b01", "QMKVSS001T0101b02", "QMKVSS001T0101b03", "QMKVSS001T0101b04", "QMKVSS001T0101b05",
};

constinit const std::string_view g_blockList67[] = {
    // group 1 of 2
    "QMKVSS001T010201", "QMKVSS001T010202", "QMKVSS001T010203", "QMKVSS001T010204", "QMKVSS001T010205",
    "QMKVSS001T010206", "QMKVSS001T010207",
    // group 2 of 2
    "QMKVSS001T010209", "QMKVSS001T010210", "QMKVSS001T010211",
};

constinit const std::string_view g_blockList68[] = {
    "QMKVSS001T010301", "QMKVSS001T010302", "QMKVSS001T010303", "QMKVSS001T010304", "QMKVSS001T010305",
    "QMKVSS001T010306", "QMKVSS001T010307", "QMKVSS001T010308",
};

constinit const std::string_view g_blockList69[] = {
    "QMKVSS001T0104a01", "QMKVSS001T0104a02a", "QMKVSS001T0104a02b", "QMKVSS001T0104a03", "QMKVSS001T0104a04",
    "QMKVSS001T0104a05",
};

constinit const std::string_view g_blockList70[] = {
    "QMKVSS001T0104b01", "QMKVSS001T0104b02a", "QMKVSS001T0104b02b", "QMKVSS001T0104b03", "QMKVSS001T0104b04",
    "QMKVSS001T0104b05",
};

constinit const std::string_view g_blockList71[] = {
    "QMKVSS001T0104c01", "QMKVSS001T0104c02", "QMKVSS001T0104c02b", "QMKVSS001T0104c03", "QMKVSS001T0104c04",
};

constinit const std::span<const std::string_view> g_blockLists[] = {
    g_blockList01, g_blockList02, g_blockList03, g_blockList04, g_blockList05, g_blockList06,
    g_blockList07, g_blockList08, g_blockList09, g_blockList10, g_blockList11, g_blockList12,
    g_blockList13, g_blockList14, g_blockList15, g_blockList16, g_blockList17, g_blockList18,
    g_blockList19, g_blockList20, g_blockList21, g_blockList22, g_blockList23, g_blockList24,
    g_blockList25, g_blockList26, g_blockList27, g_blockList28, g_blockList29, g_blockList30,
    g_blockList31, g_blockList32, g_blockList33, g_blockList34, g_blockList35, g_blockList36,
    g_blockList37, g_blockList38, g_blockList39, g_blockList40, g_blockList41, g_blockList42,
    g_blockList43, g_blockList44, g_blockList45, g_blockList46, g_blockList47, g_blockList48,
    g_blockList49, g_blockList50, g_blockList51, g_blockList52, g_blockList53, g_blockList54,
    g_blockList55, g_blockList56, g_blockList57, g_blockList58, g_blockList59, g_blockList60,
    g_blockList61, g_blockList62, g_blockList63, g_blockList64, g_blockList65, g_blockList66,
    g_blockList67, g_blockList68, g_blockList69, g_blockList70, g_blockList71
};

constexpr int kLoadCaseCount = static_cast<int>(std::size(g_loadCases));
constexpr int kBlockListCount = static_cast<int>(std::size(g_blockLists));

}  // namespace

int LoadCaseNameCount() { return kLoadCaseCount; }

std::string_view LoadCaseName(int number)
{
    if (number < 1 || number > kLoadCaseCount)
        throw std::out_of_range("load-case name " + std::to_string(number) + " does not exist");
    return g_loadCases[number - 1];
}

int DrawingBlockListCount() { return kBlockListCount; }

std::span<const std::string_view> DrawingBlockNames(int list)
{
    if (list < 1 || list > kBlockListCount)
        throw std::out_of_range("drawing block list " + std::to_string(list) + " does not exist");
    return g_blockLists[list - 1];
}
