#pragma once

namespace veritabula {
} // namespace veritabula
