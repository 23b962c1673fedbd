// projcalc-cli.js runs with the environment node was given, as a native program does: without
// this, the engine would see the WebAssembly defaults (HOME=/home/web_user, ...).
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function () {
  var env = Module["ENV"];
  ["USER", "LOGNAME", "PATH", "PWD", "HOME", "LANG", "_"].forEach(function (name) {
    env[name] = undefined;
  });
  Object.keys(process.env).forEach(function (name) {
    env[name] = process.env[name];
  });
});
