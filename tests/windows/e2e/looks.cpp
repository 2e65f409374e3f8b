#include "e2e/looks.h"

#include <cstdlib>
#include <fstream>
#include <vector>

namespace qvutt::e2e {

namespace {

// Antialiased edges may differ by a shade; a wrong colour is far off.
constexpr int kTolerance = 24;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // rows top down
};

Picture capture_client_area(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  Picture picture{client.right, client.bottom, {}};
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof info.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const HDC window_dc = GetDC(window);
  const HDC memory = CreateCompatibleDC(window_dc);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, window_dc, 0, 0, SRCCOPY);
  const auto* bgrx = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < picture.width * picture.height; ++i) {
    picture.rgb.insert(picture.rgb.end(), {bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]});
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, window_dc);
  return picture;
}

// PPM, the plainest picture format: a short text header, then the bytes.
Picture read_picture(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  Picture picture;
  file.ignore(2) >> picture.width >> picture.height;
  file.ignore(5);  // " 255\n"
  picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
  file.read(reinterpret_cast<char*>(picture.rgb.data()),
            static_cast<std::streamsize>(picture.rgb.size()));
  return picture;
}

void write_picture(const std::string& path, const Picture& picture) {
  std::ofstream file(path, std::ios::binary);
  file << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
  file.write(reinterpret_cast<const char*>(picture.rgb.data()),
             static_cast<std::streamsize>(picture.rgb.size()));
}

// How many colour values of actual are off, outside skipped; -1 for another size.
long differences(const Picture& actual, const Picture& expected, const RECT& skipped) {
  if (actual.width != expected.width || actual.height != expected.height) return -1;
  long differing = 0;
  for (std::size_t i = 0; i < actual.rgb.size(); ++i) {
    const POINT pixel{static_cast<LONG>(i / 3) % actual.width,
                      static_cast<LONG>(i / 3) / actual.width};
    if (std::abs(actual.rgb[i] - expected.rgb[i]) > kTolerance && !PtInRect(&skipped, pixel)) {
      ++differing;
    }
  }
  return differing;
}

}  // namespace

testing::AssertionResult looks_like(HWND window, const std::string& reference, HWND ignored) {
  const std::string path = std::string(QVUTT_REFERENCE_PICTURES) + "/" + reference + ".ppm";
  if (std::getenv("QVUTT_REFRESH_PICTURES") != nullptr) {
    pump_messages_for(500);
    write_picture(path, capture_client_area(window));
    return testing::AssertionSuccess();
  }
  const Picture expected = read_picture(path);
  RECT skipped{};
  if (ignored != nullptr) {
    GetWindowRect(ignored, &skipped);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&skipped), 2);
    InflateRect(&skipped, -1, -1);
  }
  Picture actual;
  long differing = 0;
  // Painting follows the message that changed the window: a second's grace.
  eventually(
      [&] {
        actual = capture_client_area(window);
        return (differing = differences(actual, expected, skipped)) == 0;
      },
      1000);
  if (differing == 0) return testing::AssertionSuccess();
  write_picture(reference + ".actual.ppm", actual);
  return testing::AssertionFailure() << reference << ": " << differing
                                     << " colour values differ (-1: the size); the capture is "
                                     << reference << ".actual.ppm in the working folder";
}

void check_dpi_round_trip(const Program& program, HWND window, const std::string& reference,
                          HWND ignored) {
  const Placement at_96 = placement_of(window);
  EXPECT_TRUE(looks_like(window, reference + "-96dpi", ignored));
  // A little to the side, as the system suggests when the window crosses over.
  const Placement at_144{at_96[0] + 12, at_96[1] + 8, at_96[2] * 3 / 2, at_96[3] * 3 / 2};
  program.change_dpi(window, 144, at_144);
  EXPECT_EQ(placement_of(window), at_144);
  EXPECT_TRUE(looks_like(window, reference + "-144dpi", ignored));
  program.change_dpi(window, 96, at_96);
  EXPECT_EQ(placement_of(window), at_96);
  EXPECT_TRUE(looks_like(window, reference + "-96dpi", ignored));
}

}  // namespace qvutt::e2e
