// What the program calls on the page (emscripten --js-library), as
// src/system/web/page_imports.txt declares them.  Each one hands over to the
// objects the page gives the module: `page` (main.js), `storage`
// (storage.js) and `log` (practice_log_store.js).  Those the list marks as waiting (a pause, a message box,
// the storage, its locks and naps) suspend the program and resume it when
// their promise settles; their dependency on Asyncify is generated from the
// list.
mergeInto(LibraryManager.library, {
  velmo_set_box_text: function (boxId, text, length) {
    Module['page'].setBoxText(boxId, UTF8ToString(text, length));
  },
  velmo_show_message: function (text, length, caption, captionLength) {
    return Asyncify.handleAsync(function () {
      return Module['page'].showMessage(UTF8ToString(text, length), UTF8ToString(caption, captionLength));
    });
  },
  velmo_now_ms: function () {
    return performance.timeOrigin + performance.now();
  },
  velmo_pause: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      setTimeout(wakeUp, ms >>> 0);
    });
  },
  velmo_storage_read: function (name, lengthOut) {
    var key = UTF8ToString(name);
    return Asyncify.handleAsync(function () {
      return Module['storage'].read(key).then(function (text) {
        if (text === null) return 0;
        var size = lengthBytesUTF8(text);
        var copy = _malloc(size + 1);
        stringToUTF8(text, copy, size + 1);
        HEAPU32[lengthOut >> 2] = size;
        return copy;
      });
    });
  },
  velmo_storage_write: function (name, content, length, replace) {
    var key = UTF8ToString(name);
    var text = UTF8ToString(content, length);
    return Asyncify.handleAsync(function () {
      return Module['storage'].write(key, text, replace !== 0).then(function (answer) {
        // Numbered as the list orders them; anything else is its first.
        return Math.max(0, velmo_write_answers.indexOf(answer));
      });
    });
  },
  velmo_storage_try_lock: function (name) {
    var key = UTF8ToString(name);
    return Asyncify.handleAsync(function () {
      return Module['storage'].tryLock(key).then(function (held) { return held ? 1 : 0; });
    });
  },
  velmo_storage_unlock: function (name) {
    Module['storage'].unlock(UTF8ToString(name));
  },
  velmo_storage_nap: function () {
    return Asyncify.handleSleep(function (wakeUp) { setTimeout(wakeUp, 1); });
  },
  velmo_log_may_be_on: function () {
    return Module['log'].mayBeOn() ? 1 : 0;
  },
  velmo_log_state: function () {
    return Asyncify.handleAsync(function () {
      return Module['log'].state().then(function (state) {
        return Math.max(0, velmo_logState_answers.indexOf(state));
      });
    });
  },
  velmo_log_turn_on: function (header, length) {
    var text = UTF8ToString(header, length);
    return Asyncify.handleAsync(function () {
      return Module['log'].turnOn(text).then(function (done) { return done ? 1 : 0; });
    });
  },
  velmo_log_turn_off: function () {
    return Asyncify.handleAsync(function () {
      return Module['log'].turnOff().then(function (done) { return done ? 1 : 0; });
    });
  },
  velmo_log_append: function (line, length, time, timeLength) {
    Module['log'].append(UTF8ToString(line, length), UTF8ToString(time, timeLength));
  },
  velmo_log_stage: function (line, length) {
    Module['log'].stage(UTF8ToString(line, length));
  },
  velmo_log_append_staged: function () {
    return Asyncify.handleAsync(function () {
      return Module['log'].appendStaged().then(function (done) { return done ? 1 : 0; });
    });
  },
  velmo_log_read: function (after, lastOut, endOut, lengthOut) {
    return Asyncify.handleAsync(function () {
      return Module['log'].read(after).then(function (batch) {
        if (batch === null) return 0;
        var size = lengthBytesUTF8(batch.text);
        var copy = _malloc(size + 1);
        stringToUTF8(batch.text, copy, size + 1);
        HEAPF64[lastOut >> 3] = batch.last;
        HEAP32[endOut >> 2] = batch.end ? 1 : 0;
        HEAPU32[lengthOut >> 2] = size;
        return copy;
      });
    });
  },
  velmo_log_failing_since: function (lengthOut) {
    var since = Module['log'].failingSince();
    if (since === null) return 0;
    var size = lengthBytesUTF8(since);
    var copy = _malloc(size + 1);
    stringToUTF8(since, copy, size + 1);
    HEAPU32[lengthOut >> 2] = size;
    return copy;
  },
});
