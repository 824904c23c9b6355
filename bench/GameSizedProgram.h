// A program folder of game size for the window benchmarks: the shipped tables and built-in general
// list, the demo game's face archives (game-sized, painted by the build) and an edit-data file of
// 1000 generals made from the demo's own, each with a face, a father, an affinity, a favoured and a
// disliked general, so that showing one draws all five portraits.
#pragma once

#include <filesystem>
#include <memory>

#include "core/data/EditData.h"
#include "support/ShippedFiles.h"

namespace tavlor::bench {

class GameSizedProgram {
 public:
  GameSizedProgram() {
    const std::filesystem::path demo = testing::DemoGameFolder();
    if (demo.empty()) return;
    auto demoTable = std::make_unique<GeneralTable>();
    if (LoadEditData(demo / "EDATA000.13S", *demoTable).Error || demoTable->GeneralCount == 0) return;

    auto table = std::make_unique<GeneralTable>(*demoTable);
    LoadBlankSlot(program_ / "Bk.N13", *table);
    for (int slot = 0; slot < 1000; ++slot) {
      GeneralEntry entry = demoTable->Slots[static_cast<std::size_t>(slot % demoTable->GeneralCount)];
      // Links to built-in generals spread over the list, and to other registered generals.
      entry.Record.FatherNo = (slot * 7) % 2306;
      entry.Record.AffinityNo = (slot * 13 + 5) % 2306;
      entry.Links.FavouredFlag = 1;
      entry.Links.FavouredNo = kRegisteredGeneralBase + (slot + 1) % 1000;
      entry.Links.DislikedFlag = 1;
      entry.Links.DislikedNo = (slot * 31 + 11) % 2306;
      entry.Appendix.GeneralNo = kRegisteredGeneralBase + slot;
      table->Slots[static_cast<std::size_t>(slot)] = entry;
    }
    table->GeneralCount = 1000;
    editData_ = program_ / "EDATA000.13S";
    if (SaveEditData(editData_, *table)) return;
    program_.WriteSetIni(demo, editData_);
    ready_ = true;
  }

  // False when this build paints no demo game (the benchmark then reports an error).
  bool Ready() const { return ready_; }
  const std::filesystem::path& Folder() const { return program_.Path(); }
  const std::filesystem::path& EditDataFile() const { return editData_; }
  std::filesystem::path GameFolder() const { return testing::DemoGameFolder(); }

 private:
  testing::ShippedProgramFolder program_;
  std::filesystem::path editData_;
  bool ready_ = false;
};

}  // namespace tavlor::bench
