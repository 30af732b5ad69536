// The parameters through the params extension: the table's names and ranges
// under stable ids, values and texts as the host reads them, values set by
// flush when the plug-in is not processing, and the host told of every value
// the plug-in changes by itself but never echoed the ones it set.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "clap/ParamShapes.h"
#include "clap/ParamTexts.h"
#include "params/ParameterIds.h"
#include "params/ParameterTable.h"
#include "tests/clap/ClapTestHost.h"

namespace {

TEST(ClapParamsExtension, DescribesTheFortyOneParametersOfTheTable) {
    ClapTestHost host;
    ClapInstance instance(host);
    const clap_plugin_params_t& params = instance.params();
    ASSERT_EQ(params.count(instance.plugin()), static_cast<uint32_t>(kNumParams));
    for (uint32_t i = 0; i < static_cast<uint32_t>(kNumParams); ++i) {
        clap_param_info_t info;
        std::memset(&info, 0x5A, sizeof info);
        ASSERT_TRUE(params.get_info(instance.plugin(), i, &info));
        const int index = static_cast<int>(i);
        const ClapParamShape shape = clapParamShape(index);
        EXPECT_EQ(info.id, i);
        EXPECT_STREQ(info.name, kParameterTable[index].name);
        EXPECT_STREQ(info.module, "");
        EXPECT_EQ(info.min_value, shape.min) << i;
        EXPECT_EQ(info.max_value, shape.max) << i;
        EXPECT_EQ(info.default_value, clapDefaultOf(index)) << i;
        EXPECT_EQ((info.flags & CLAP_PARAM_IS_STEPPED) != 0, shape.stepped) << i;
        EXPECT_TRUE(info.flags & CLAP_PARAM_IS_AUTOMATABLE);
        EXPECT_FALSE(info.flags & (CLAP_PARAM_IS_READONLY | CLAP_PARAM_IS_HIDDEN | CLAP_PARAM_IS_BYPASS));
        // Every value the host reads lies in the range it was given.
        const double value = instance.value(i);
        EXPECT_GE(value, info.min_value) << i;
        EXPECT_LE(value, info.max_value) << i;
        // The texts are the value's own.
        char expected[CLAP_NAME_SIZE];
        ASSERT_TRUE(clapValueText(index, value, expected, sizeof expected));
        EXPECT_EQ(instance.valueText(i, value), expected);
        double read = -1.0;
        ASSERT_TRUE(params.text_to_value(instance.plugin(), i, expected, &read)) << expected;
        EXPECT_EQ(instance.valueText(i, read), expected);
    }
    clap_param_info_t info;
    EXPECT_FALSE(params.get_info(instance.plugin(), kNumParams, &info));
    EXPECT_FALSE(params.get_info(instance.plugin(), 0, nullptr));
    double value = 0.0;
    EXPECT_FALSE(params.get_value(instance.plugin(), kNumParams, &value));
    EXPECT_FALSE(params.get_value(instance.plugin(), 0xFFFFFFFFu, &value));
    EXPECT_FALSE(params.get_value(instance.plugin(), 0, nullptr));
    EXPECT_EQ(instance.valueText(kNumParams, 0.0), "(refused)");
    EXPECT_FALSE(params.text_to_value(instance.plugin(), kMix, "0.5", nullptr));
    // A fresh instance plays program 0: Touch rec on, BPM Lock off.
    EXPECT_EQ(instance.value(kTouchRec), 1.0);
    EXPECT_EQ(instance.value(kBpmLock), 0.0);
}

TEST(ClapParamsExtension, FlushSetsValuesAndTellsOnlyWhatThePluginChangedItself) {
    ClapTestHost host;
    ClapInstance instance(host);
    ClapOutputEvents out;
    instance.setByFlush(kFilterType, 3.0, &out);
    EXPECT_EQ(instance.value(kFilterType), 3.0);
    EXPECT_EQ(instance.valueText(kFilterType, instance.value(kFilterType)), "BPF");
    instance.setByFlush(kMix, 0.25, &out);
    EXPECT_EQ(instance.value(kMix), 0.25);
    instance.setByFlush(kRepeats, 5.0, &out);
    EXPECT_EQ(instance.value(kRepeats), 5.0);
    for (const auto& [id, value] : out.lastValues()) ADD_FAILURE() << "the host's own value came back: " << id << " " << value;
    // Values past the range, and NaN, change nothing a host could not set.
    instance.setByFlush(kMix, 7.0, &out);
    EXPECT_EQ(instance.value(kMix), 1.0);
    instance.setByFlush(kMix, std::nan(""), &out);
    EXPECT_EQ(instance.value(kMix), 1.0);
    instance.setByFlush(kNumParams, 0.5, &out);
    instance.setByFlush(0xFFFFFFF0u, 0.5, &out);

    // Under Repeat Lock the offset follows the number of repeats: the host
    // set Repeats and is told the Offset the plug-in moved.
    instance.setByFlush(kOffset, 0.8, &out);
    instance.setByFlush(kRepeatLock, 1.0, &out);
    out.clear();
    instance.setByFlush(kRepeats, 9.0, &out);
    const auto told = out.lastValues();
    EXPECT_EQ(told.count(kRepeats), 0u);
    ASSERT_EQ(told.count(kOffset), 1u);
    EXPECT_EQ(told.at(kOffset), instance.value(kOffset));
    for (const PushedEvent& event : out.events()) EXPECT_EQ(event.time, 0u);
}

}  // namespace
