#pragma once

#include <cstddef>
#include <cstdint>

// One harness per reader, parser or decoder; fuzz_<name>.cpp holds each.
namespace ladrix::fuzz {

int projectFile(const std::uint8_t* data, std::size_t size);
int insFile(const std::uint8_t* data, std::size_t size);
int ladderFile(const std::uint8_t* data, std::size_t size);
int blockFile(const std::uint8_t* data, std::size_t size);
int zk1Import(const std::uint8_t* data, std::size_t size);
int lineParser(const std::uint8_t* data, std::size_t size);
int numberReading(const std::uint8_t* data, std::size_t size);
int keyReply(const std::uint8_t* data, std::size_t size);
int highSpeed(const std::uint8_t* data, std::size_t size);
int simController(const std::uint8_t* data, std::size_t size);
int ladderCompile(const std::uint8_t* data, std::size_t size);
int ladderDraw(const std::uint8_t* data, std::size_t size);

} // namespace ladrix::fuzz
