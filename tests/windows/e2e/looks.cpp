#include "e2e/looks.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace qvutt::e2e {

namespace {

// Antialiased edges may differ by a shade; a wrong colour is far off.
constexpr int kTolerance = 24;

// The client area as the bytes of a PPM file, the plainest picture format: a
// short text header, then red, green and blue for each pixel, rows top down.
std::string capture_client_area(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const HDC window_dc = GetDC(window);
  const HDC memory = CreateCompatibleDC(window_dc);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, window_dc, 0, 0, SRCCOPY);
  std::string picture =
      "P6\n" + std::to_string(client.right) + " " + std::to_string(client.bottom) + "\n255\n";
  const auto* bgrx = static_cast<const char*>(bits);
  for (LONG i = 0; i < client.right * client.bottom; ++i)
    picture.append({bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]});
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, window_dc);
  return picture;
}

// How many colour values of actual are off, outside skipped; -1 for another size.
long differences(const std::string& actual, const std::string& expected, HWND window,
                 const RECT& skipped) {
  const std::size_t header = actual.find("255\n") + 4;
  if (actual.compare(0, header, expected, 0, header) != 0 || actual.size() != expected.size())
    return -1;
  RECT client{};
  GetClientRect(window, &client);
  long differing = 0;
  for (std::size_t i = header; i < actual.size(); ++i) {
    const auto pixel = static_cast<LONG>((i - header) / 3);
    differing += std::abs(static_cast<unsigned char>(actual[i]) -
                          static_cast<unsigned char>(expected[i])) > kTolerance &&
                 !PtInRect(&skipped, {pixel % client.right, pixel / client.right});
  }
  return differing;
}

}  // namespace

testing::AssertionResult looks_like(HWND window, const std::string& reference, HWND ignored) {
  if (!under_wine("the pictures: Windows draws real Arial, with ClearType"))
    return testing::AssertionSuccess();
  const std::string path = std::string(QVUTT_REFERENCE_PICTURES) + "/" + reference + ".ppm";
  if (std::getenv("QVUTT_REFRESH_PICTURES") != nullptr) {
    pump_messages_for(500);
    std::ofstream(path, std::ios::binary) << capture_client_area(window);
    return testing::AssertionSuccess();
  }
  std::ifstream file(path, std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(file), {}};
  RECT skipped{};
  GetWindowRect(ignored, &skipped);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&skipped), 2);
  InflateRect(&skipped, -1, -1);
  std::string actual;
  long differing = 0;
  // Painting follows the message that changed the window: a second's grace.
  eventually(
      [&] {
        actual = capture_client_area(window);
        return (differing = differences(actual, expected, window, skipped)) == 0;
      },
      1000);
  if (differing == 0) return testing::AssertionSuccess();
  std::ofstream(reference + ".actual.ppm", std::ios::binary) << actual;
  return testing::AssertionFailure() << reference << ": " << differing
                                     << " colour values differ (-1: the size); the capture is "
                                     << reference << ".actual.ppm in the working folder";
}

int rows_drawn(HWND window, HWND control) {
  pump_messages_for(300);  // painted
  RECT inside{};
  GetWindowRect(control, &inside);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&inside), 2);
  InflateRect(&inside, -1, -1);
  const HDC dc = GetDC(window);
  const COLORREF background = GetPixel(dc, inside.left, inside.top);
  int drawn = 0;
  for (LONG y = inside.top; y < inside.bottom; ++y) {
    bool shows = false;
    for (LONG x = inside.left; x < inside.right && !shows; ++x)
      shows = GetPixel(dc, x, y) != background;
    drawn += shows;
  }
  ReleaseDC(window, dc);
  return drawn;
}

void check_dpi_change(const Program& program, HWND window, const std::string& reference,
                      const std::array<LONG, 2>& client_twips, HWND ignored) {
  const auto placed_at = [&](LONG left, LONG top, int dots_per_inch) {
    return Placement{left, top, MulDiv(client_twips[0], dots_per_inch, 1440),
                     MulDiv(client_twips[1], dots_per_inch, 1440)};
  };
  RECT frame{};
  GetWindowRect(window, &frame);
  const Placement at_96 = placement_of(window);
  EXPECT_EQ(at_96, placed_at(frame.left, frame.top, 96));
  EXPECT_TRUE(looks_like(window, reference + "-96dpi", ignored));
  // A little to the side, as the system suggests when the window crosses over.
  program.change_dpi(window, 144, {frame.left + 12, frame.top + 8});
  EXPECT_EQ(placement_of(window), placed_at(frame.left + 12, frame.top + 8, 144));
  EXPECT_TRUE(looks_like(window, reference + "-144dpi", ignored));
}

}  // namespace qvutt::e2e
