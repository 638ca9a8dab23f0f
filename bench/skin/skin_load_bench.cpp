// Loading the skin that travels inside the program: inflating the stored
// skin, decoding its pictures and reading its definition into records. The
// goal for the whole load is 5 ms; the parts show where the time goes.
#include <benchmark/benchmark.h>

#include <memory>

#include "skin/data/Adler32.h"
#include "skin/data/DefinitionText.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPackageReader.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "tools/embed/EmbeddedSkin.h"

namespace {

std::unique_ptr<qb::TskCompressedStoredSkin> EmbeddedStoredSkin() {
  auto stored = std::make_unique<qb::TskCompressedStoredSkin>(nullptr);
  stored->ReadSkinProperty(qb::EmbeddedSkin());
  return stored;
}

// The definition text at the end of the unpacked package.
std::u16string DefinitionOf(const std::vector<BYTE>& package) {
  qb::SkinPackageReader reader(package);
  reader.ReadInt32();
  qb::TBitmap picture;
  for (int slot = 0; slot < 3; ++slot) reader.ReadPictureSlot(picture);
  const std::int32_t count = reader.ReadInt32();
  for (std::int32_t i = 0; i < count; ++i) reader.ReadPicture(picture);
  return qb::DecodeDefinitionText(reader.Rest()).text;
}

void BM_LoadEmbeddedSkin(benchmark::State& state) {
  const auto stored = EmbeddedStoredSkin();
  for (auto _ : state) {
    qb::TskSkinData data(nullptr);
    data.LoadStoredSkin(stored.get());
    benchmark::DoNotOptimize(data.Empty());
  }
}
BENCHMARK(BM_LoadEmbeddedSkin)->Unit(benchmark::kMillisecond);

void BM_InflateEmbeddedSkin(benchmark::State& state) {
  const auto stored = EmbeddedStoredSkin();
  for (auto _ : state) benchmark::DoNotOptimize(stored->Unpack());
}
BENCHMARK(BM_InflateEmbeddedSkin)->Unit(benchmark::kMillisecond);

// The checksum that ends the package's stream, part of the inflating above.
void BM_ChecksumEmbeddedSkin(benchmark::State& state) {
  const std::vector<BYTE> package = EmbeddedStoredSkin()->Unpack();
  for (auto _ : state) benchmark::DoNotOptimize(qb::Adler32(package));
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(package.size()));
}
BENCHMARK(BM_ChecksumEmbeddedSkin)->Unit(benchmark::kMicrosecond);

void BM_ReadEmbeddedDefinition(benchmark::State& state) {
  const std::u16string text = DefinitionOf(EmbeddedStoredSkin()->Unpack());
  for (auto _ : state) {
    qb::TskSkinData data(nullptr);
    data.ReadSkinDefinition(qb::SkinIni(text));
    benchmark::DoNotOptimize(data.SkinControls().size());
  }
}
BENCHMARK(BM_ReadEmbeddedDefinition)->Unit(benchmark::kMillisecond);

}  // namespace
