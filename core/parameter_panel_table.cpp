#include "core/parameter_panel_table.h"

namespace ranvik {

const std::vector<PanelFrameDef>& PanelFrames() {
    static const std::vector<PanelFrameDef> frames = {
        {"移動平均(売買代金も)",
         {{20, "IdoSampleD1=", "5"}, {21, "IdoSampleD2=", "25"}, {22, "IdoSampleD3=", "75"},
          {23, "IdoSampleW1=", "13"}, {24, "IdoSampleW2=", "26"}, {25, "IdoSampleW3=", "52"},
          {75, "IdoSampleM1=", "12"}, {76, "IdoSampleM2=", "24"}, {77, "IdoSampleM3=", "48"}}},
        {"出来高移動平均",
         {{32, "DKIdoSampD1=", "5"}, {33, "DKIdoSampD2=", "25"}, {34, "DKIdoSampW1=", "5"},
          {35, "DKIdoSampW2=", "26"}}},
        {"MACD",
         {{26, "MACDD1=", "12"}, {27, "MACDD2=", "26"}, {28, "MACDD3=", "9"},
          {29, "MACDW1=", "13"}, {30, "MACDW2=", "26"}, {31, "MACDW3=", "9"}}},
        {"ｴﾝﾍﾞﾛｰﾌﾟ",
         {{36, "EnvelopeD1=", "25"}, {37, "EnvelopeD2=", "5"}, {38, "EnvelopeW1=", "13"},
          {39, "EnvelopeW2=", "10"}}},
        {"ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ", {{68, "BolinjerD1=", "25"}, {69, "BolinjerW1=", "13"}}},
        {"%Rｵｼﾚｰﾀ", {{40, "PerOscillatorD1=", "25"}, {41, "PerOscillatorW1=", "13"}}},
        {"ﾓﾒﾝﾀﾑ", {{42, "MomentumD1=", "25"}, {43, "MomentumW1=", "13"}}},
        {"RSI", {{44, "RSID1=", "15"}, {45, "RSIW1=", "13"}}},
        {"RCI", {{46, "RCID1=", "15"}, {47, "RCIW1=", "13"}}},
        {"ｽﾄｷｬｽﾃｨｸｽ", {{48, "StocasD1=", "25"}, {49, "StocasW1=", "13"}}},
        {"OBV", {{50, "OBVD1=", "25"}, {51, "OBVW1=", "13"}}},
        {"逆ｳｫｯﾁ", {{52, "ConverseWatchD1=", "25"}, {53, "ConverseWatchW1=", "13"}}},
        {"HLﾊﾞﾝﾄﾞ", {{54, "HLbandD1=", "20"}, {55, "HLbandW1=", "13"}}},
        {"ﾎﾞﾘｭｰﾑ/ｻｲｺﾛｼﾞ", {{56, "Vol12phycoD1=", "25"}, {57, "Vol12phycoW1=", "13"}}},
        {"一目均衡線",
         {{58, "IchimokuD1=", "9"}, {59, "IchimokuD2=", "26"}, {60, "IchimokuW1=", "2"},
          {61, "IchimokuW2=", "5"}}},
        {"線形回帰ﾄﾚﾝﾄﾞ",
         {{62, "SenkeiKaikiD1=", "25"}, {63, "SenkeiKaikiD2=", "75"}, {64, "SenkeiKaikiW1=", "5"},
          {65, "SenkeiKaikiW2=", "13"}}},
        {"陰陽足", {{66, "InYohAshiD1=", "3"}, {67, "InYohAshiW1=", "5"}, {78, "InYohAshiM1=", "3"}}},
        {"三日平均", {{79, "Days3D1=", "3"}, {80, "Days3W1=", "3"}}},
        {"ﾍﾞｸﾄﾙ", {{71, "VectorD1=", "25"}, {72, "VectorW1=", "13"}}},
        {"カギ足", {{73, "KagiAshi=", "3"}}},
        {"Ｐ＆Ｆ", {{74, "PandF=", "1"}}},
        {"ﾊﾟﾗﾎﾞﾘｯｸ", {{70, "", "0.02"}}},
    };
    return frames;
}

std::string_view PanelRowCaption(std::string_view key) {
    // The period letter stands right before the number that ends the key.
    if (key.size() < 3 || key.back() != '=') return "";
    std::size_t end = key.size() - 1;
    if (end == 0 || key[end - 1] < '0' || key[end - 1] > '9') return "";
    while (end > 0 && key[end - 1] >= '0' && key[end - 1] <= '9') --end;
    if (end == 0) return "";
    switch (key[end - 1]) {
        case 'D': return "日";
        case 'W': return "週";
        case 'M': return "月";
        default: return "";
    }
}

}  // namespace ranvik
