// Writes a large, realistic map world for the benchmarks:
//
//   gen_world FOLDER MAPS ROOMS
//
// FOLDER gets space.loc (one orbit location per map) and MAPS map files of
// ROOMS locations each. Every map is a grid of two-way exits (north/south,
// east/west), plus, as real worlds have them, a few stairs, one exit that
// leads nowhere and one that has no way back; every third location has
// events. Each file starts with an XML declaration with a version, so that
// generic XML tools accept it, and ends its lines with a carriage return.
// The output depends on the arguments only.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRowWidth = 25;
const char* const kWords[] = {"moss",  "stone", "lantern", "river", "ash",   "copper", "wind",
                              "reed",  "gate",  "bell",    "salt",  "thorn", "glass",  "ember",
                              "quiet", "brine", "hollow",  "iron",  "drift", "amber"};
constexpr unsigned kWordCount = sizeof kWords / sizeof kWords[0];

// A few words picked deterministically from n.
std::string Words(unsigned n, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    n = n * 1103515245u + 12345u;
    if (i > 0) out += ' ';
    out += kWords[(n >> 16) % kWordCount];
  }
  return out;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

std::string MapFile(int map, int rooms) {
  const std::string title = "Shire " + std::to_string(map);
  std::string t = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r";
  t += "<kestrane-map title='" + title + "' from='1' to='Gen.Gen Space." + std::to_string(map) +
       "'>\r";
  for (int r = 1; r <= rooms; ++r) {
    const int col = (r - 1) % kRowWidth;
    const auto seed = static_cast<unsigned>(map * 100003 + r);
    t += "<location num='" + std::to_string(r) + "'" + (r % 7 == 0 ? " flags='dark'" : "") + ">\r";
    t += "<name>" + Words(seed, 2) + " " + std::to_string(r) + "</name>\r";
    t += "<desc>The " + Words(seed + 1, 9) + " lie about here.</desc>\r";
    if (r % 2 == 0) t += "<desc>" + Words(seed + 2, 7) + ".</desc>\r";
    std::string exits;
    if (r > kRowWidth) exits += " n='" + std::to_string(r - kRowWidth) + "'";
    if (r + kRowWidth <= rooms) exits += " s='" + std::to_string(r + kRowWidth) + "'";
    if (col + 1 < kRowWidth && r + 1 <= rooms) exits += " e='" + std::to_string(r + 1) + "'";
    if (col > 0) exits += " w='" + std::to_string(r - 1) + "'";
    if (r == rooms / 2) exits += " ne='" + std::to_string(rooms + 1000) + "'";  // leads nowhere
    if (r == rooms / 3) exits += " sw='1'";                                     // no way back
    t += "<exits" + exits + "/>\r";
    if (r % 3 == 0) t += "<events enter='" + Words(seed + 3, 1) + "'/>\r";
    t += "</location>\r";
  }
  t += "</kestrane-map>\r";
  return t;
}

std::string SpaceFile(int maps) {
  std::string t = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r";
  t += "<kestrane-map title='Gen Space'>\r";
  for (int m = 1; m <= maps; ++m) {
    t += "<location num='" + std::to_string(m) + "'>\r";
    t += "<name>Orbit over Shire " + std::to_string(m) + "</name>\r";
    t += "<desc>Stars wheel slowly past.</desc>\r";
    std::string exits;
    if (m > 1) exits += " w='" + std::to_string(m - 1) + "'";
    if (m < maps) exits += " e='" + std::to_string(m + 1) + "'";
    t += "<exits" + exits + "/>\r";
    t += "</location>\r";
  }
  t += "</kestrane-map>\r";
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: gen_world FOLDER MAPS ROOMS\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const int maps = std::atoi(argv[2]);
  const int rooms = std::atoi(argv[3]);
  if (maps < 1 || rooms < 1) {
    std::fprintf(stderr, "gen_world: MAPS and ROOMS must be positive\n");
    return 2;
  }
  if (!WriteFile(folder + "space.loc", SpaceFile(maps))) {
    std::perror(folder.c_str());
    return 1;
  }
  char name[32];
  for (int m = 1; m <= maps; ++m) {
    std::snprintf(name, sizeof name, "shire%04d.loc", m);
    if (!WriteFile(folder + name, MapFile(m, rooms))) {
      std::perror(name);
      return 1;
    }
  }
  return 0;
}
