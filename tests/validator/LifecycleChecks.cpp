// Instances come and go as hosts make them: opened and closed again and
// again, many at once closed in any order, and processing called at moments
// a careful host would avoid.
#include <algorithm>
#include <memory>

#include "tests/validator/Checks.h"

namespace validator {

void checkLifecycle(PluginEntry entry, Report& report) {
    report.run("lifecycle: open, process and close ten times", [&] {
        return firstFault(upTo(10), [&](int round) {
            Instance instance(entry, unsigned(round));
            instance.start();
            return instance.block(512);
        });
    });

    // Instances that share anything behind the host's back fall over when
    // their neighbours close in an order they did not expect.
    report.run("lifecycle: 33 instances closed in a scrambled order", [&] {
        std::vector<std::unique_ptr<Instance>> instances;
        for (unsigned i = 0; i < 33; ++i) {
            instances.push_back(std::make_unique<Instance>(entry, i));
            instances.back()->start(44100.0, 256);
        }
        std::shuffle(instances.begin(), instances.end(), std::mt19937(33));
        return firstFault(upTo(33), [&](int) {
            instances.pop_back();
            return firstFault(instances, [](auto& instance) { return instance->block(64); });
        });
    });

    report.run("lifecycle: processing before resume and after suspend", [&] {
        Instance instance(entry, 2);
        instance.prepare();
        if (auto why = instance.block(512); !why.empty()) return "before resume: " + why;
        instance.resume();
        instance.suspend();
        return within("after suspend", instance.block(512));
    });

    report.run("lifecycle: resume and suspend between blocks", [&] {
        Instance instance(entry, 3);
        instance.start();
        return firstFault(upTo(40), [&](int i) {
            if (i % 3 == 0) instance.suspend();
            if (i % 3 != 2) instance.resume();  // sometimes twice in a row
            return instance.block(1 + i * 12, Signal::kSquare);
        });
    });
}

}  // namespace validator
