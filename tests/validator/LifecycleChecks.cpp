// Instances come and go as hosts make them: opened and closed again and
// again, many at once closed in any order, and processing called at moments
// a careful host would avoid.
#include <algorithm>
#include <memory>

#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

void checkLifecycle(PluginEntry entry, Report& report) {
    report.run("lifecycle: open, process and close ten times", [&]() -> std::string {
        std::mt19937 random(1);
        for (int round = 0; round < 10; ++round) {
            ValidatorHost host;
            Instance instance(entry, host);
            instance.start();
            Buffers buffers(instance.effect(), 512);
            if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
                return why;
        }
        return {};
    });

    // Instances that share anything behind the host's back fall over when
    // their neighbours close in an order they did not expect.
    report.run("lifecycle: 33 instances closed in a scrambled order", [&]() -> std::string {
        std::mt19937 random(33);
        ValidatorHost host;
        std::vector<std::unique_ptr<Instance>> instances;
        for (int i = 0; i < 33; ++i) {
            instances.push_back(std::make_unique<Instance>(entry, host));
            instances.back()->start();
        }
        Buffers buffers(instances.front()->effect(), 256);
        std::shuffle(instances.begin(), instances.end(), random);
        while (!instances.empty()) {
            instances.pop_back();
            for (auto& instance : instances)
                if (auto why = instance->block(buffers, 64, Signal::kNoise, random); !why.empty())
                    return why;
        }
        return {};
    });

    report.run("lifecycle: processing before resume and after suspend", [&]() -> std::string {
        std::mt19937 random(2);
        ValidatorHost host;
        Instance instance(entry, host);
        instance.call(effSetSampleRate, 0, 0, nullptr, 44100.0f);
        instance.call(effSetBlockSize, 0, 512);
        Buffers buffers(instance.effect(), 512);
        if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
            return "before resume: " + why;
        instance.resume();
        instance.suspend();
        if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
            return "after suspend: " + why;
        return {};
    });

    report.run("lifecycle: resume and suspend between blocks", [&]() -> std::string {
        std::mt19937 random(3);
        ValidatorHost host;
        Instance instance(entry, host);
        instance.start();
        Buffers buffers(instance.effect(), 512);
        for (int i = 0; i < 40; ++i) {
            if (i % 3 == 0) instance.suspend();
            if (i % 3 != 2) instance.resume();  // sometimes twice in a row
            if (auto why = instance.block(buffers, 1 + i * 12, Signal::kSquare, random); !why.empty())
                return why;
        }
        return {};
    });
}

}  // namespace validator
