/* Record functions of the simulated host against stores of 10^2, 10^4 and
   10^6 records: load, next and save must stay O(log n). */

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "hostsim/Engine.h"
#include "hostlink/fx_host_abi.h"
#include "hostsim/hostsim_api.h"

namespace {

constexpr uint32_t kTag = hostsim::fourcc("SOIu");
constexpr uint32_t kVersion = 0x19000000u;
constexpr int16_t kPerItem = 30000;

struct Key {
    int16_t parts[3];
};

Key keyOf(int64_t i) { return Key{{int16_t(i / kPerItem), int16_t(i % kPerItem), 0}}; }

/* A fresh engine whose current document holds n system staff records. */
void fill(int64_t n) {
    hostsim_reset();
    hostsim_new_document(HOSTSIM_SEED_EMPTY);
    hostsim::RecordStore& store = hostsim::Engine::instance().current()->store();
    for (int64_t i = 0; i < n; ++i) {
        Key k = keyOf(i);
        store.put(hostsim::RecordId{0, kTag, hostsim::RecordKey(k.parts[0], k.parts[1])}, hostsim::Bytes(24, uint8_t(i)));
    }
}

std::vector<Key> randomKeys(int64_t n, size_t count) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int64_t> pick(0, n - 1);
    std::vector<Key> keys(count);
    for (Key& k : keys) k = keyOf(pick(rng));
    return keys;
}

const std::u16string kEditName = u"Bench";

void startEdit() { FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(kEditName.c_str()), kVersion); }

/* The logs (and an open edit's journal) grow with every call; they are
   emptied outside the timing. */
void trimLog(benchmark::State& state, size_t i, bool inEdit = false) {
    if ((i & 0xFFFF) == 0) {
        state.PauseTiming();
        hostsim_clear_call_log();
        if (inEdit) {
            FX_CancelFinaleEdit(kVersion);
            hostsim_clear_edit_log();
            startEdit();
        }
        state.ResumeTiming();
    }
}

void BM_Load(benchmark::State& state) {
    fill(state.range(0));
    auto keys = randomKeys(state.range(0), 4096);
    uint8_t buf[24];
    size_t i = 0;
    for (auto _ : state) {
        uint32_t size = sizeof buf;
        benchmark::DoNotOptimize(FX_LoadEData(kTag, keys[i % keys.size()].parts, buf, &size, kVersion));
        trimLog(state, ++i);
    }
    hostsim_reset();
}

void BM_Next(benchmark::State& state) {
    fill(state.range(0));
    auto keys = randomKeys(state.range(0), 4096);
    size_t i = 0;
    for (auto _ : state) {
        Key k = keys[i % keys.size()];
        benchmark::DoNotOptimize(FX_NextEData(kTag, k.parts, nullptr, nullptr, kVersion));
        trimLog(state, ++i);
    }
    hostsim_reset();
}

void BM_Save(benchmark::State& state) {
    fill(state.range(0));
    auto keys = randomKeys(state.range(0), 1024);
    startEdit();
    uint8_t buf[24] = {1};
    size_t i = 0;
    for (auto _ : state) {
        buf[1] = uint8_t(i);
        benchmark::DoNotOptimize(FX_SaveEData(kTag, keys[i % keys.size()].parts, buf, sizeof buf, kVersion));
        trimLog(state, ++i, true);
    }
    FX_CancelFinaleEdit(kVersion);
    hostsim_reset();
}

}  // namespace

BENCHMARK(BM_Load)->Arg(100)->Arg(10000)->Arg(1000000);
BENCHMARK(BM_Next)->Arg(100)->Arg(10000)->Arg(1000000);
BENCHMARK(BM_Save)->Arg(100)->Arg(10000)->Arg(1000000);

BENCHMARK_MAIN();
